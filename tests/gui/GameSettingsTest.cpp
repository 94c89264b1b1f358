// The game settings dialog as the player meets it: at start-up and from F4,
// with the mouse and the keyboard, and what it leaves in the settings file.
#include <QCheckBox>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSlider>

#include "dialogs/AskText.h"
#include "dialogs/GameSettings.h"
#include "dialogs/PictureChooser.h"
#include "dialogs/SoundChooser.h"
#include "gui/GuiFixture.h"
#include "store/Players.h"
#include "store/SettingsFile.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

class GameSettingsTest : public GuiTest {
protected:
    // F4, with act as the player's hand in the dialog.
    void OpenSettings(const std::function<void(frmNewGame&)>& act)
    {
        hands.push_back([act](QDialog& d) { act(dynamic_cast<frmNewGame&>(d)); });
        QTest::keyClick(window.get(), Qt::Key_F4);
        ASSERT_TRUE(hands.empty());
    }
    std::vector<std::string> Listed(const frmNewGame& f)
    {
        std::vector<std::string> names;
        for (int i = 0; i < f.lstPlayers->count(); ++i) names.push_back(f.lstPlayers->item(i)->text().toStdString());
        return names;
    }
};

} // namespace

// Cancel keeps what takes effect at once (the card back) and nothing OK would read.
TEST_F(GameSettingsTest, TheControlsShowTheSettingsCancelKeepsTheBackAndOKStoresThemForAFreshDeal)
{
    Start();
    const std::string deal = game().DealString;
    OpenSettings([](frmNewGame& f) {
        f.hscCardBack->setValue(5);
        f.optDraw[2]->click();
        f.cmdCancel->click();
    });
    EXPECT_EQ(std::pair(game().cfg.CardBack, game().cfg.FlipNum), std::pair(61, 1));
    EXPECT_EQ(game().DealString, deal);
    EXPECT_TRUE(Shows(61, 280, 120, 5)); // the table shows the new back at once

    OpenSettings([](frmNewGame& f) {
        EXPECT_EQ(std::tuple(f.hscPlaySpeed->value(), f.hscSpeed->value(), f.hscCardBack->value()),
                  std::tuple(250, 13, 5));
        EXPECT_TRUE(f.optStyle[2]->isChecked() && f.optDraw[0]->isChecked() && f.optBack[0]->isChecked());
        EXPECT_FALSE(f.chkSolid->isEnabled() || f.cmdColor->isEnabled() || !f.cmdBack->isEnabled());
        f.show();
        QTest::keyClick(f.hscPlaySpeed, Qt::Key_End); // the fastest computer
        for (QWidget* w : std::initializer_list<QWidget*>{f.optDraw[2], f.optStyle[0], f.optBack[1], f.chkAutoSave})
            QTest::mouseClick(w, Qt::LeftButton);
        EXPECT_TRUE(f.chkSolid->isEnabled() && f.cmdColor->isEnabled() && !f.cmdBack->isEnabled());
        QTest::keyClick(&f, Qt::Key_Return); // OK, the default button
    });
    for (auto [key, value] : {std::pair("PlaySpeed", "0"), {"FlipNum", "3"}, {"Style", "0"}, {"Bkgrd", "0"},
                              {"Gradiant", "1"}, {"AutoSave", "1"}, {"CardBack", "61"}})
        EXPECT_EQ(Stored(key), value) << key;
    EXPECT_EQ(game().GamesDealt, 2); // OK deals afresh
}

// A table colour of 0: black when solid, the default colour under the gradient,
// in the preview as on the table.
TEST_F(GameSettingsTest, APreviewOfTableColourZeroIsWhatTheTableShows)
{
    WriteSettings("[Options]\nPlayer=Ann\n[Ann]\nBkgrd=0\nGradiant=0\nTableColor=0\n");
    Start();
    const int bottom = screen().height() - 1;
    ASSERT_EQ(screen().pixel(2, 0), qRgb(0, 0, 0));
    QImage gradient;
    OpenSettings([&](frmNewGame& f) {
        EXPECT_EQ(f.Preview().pixel(2, 0), screen().pixel(2, 0));
        EXPECT_EQ(f.Preview().pixel(2, f.Preview().height() - 1), screen().pixel(2, bottom));
        f.chkSolid->click();
        gradient = f.Preview();
        f.cmdOK->click();
    });
    EXPECT_EQ(gradient.pixel(2, 0), qRgb(128, 0, 255));
    EXPECT_EQ(gradient.pixel(2, 0), screen().pixel(2, 0));
    EXPECT_EQ(gradient.pixel(2, gradient.height() - 1), screen().pixel(2, bottom));
    EXPECT_EQ(game().cfg.TableColor, 16711808);
}

TEST_F(GameSettingsTest, PlayersAreAddedSwitchedAndRemovedAndTheGameKeepsOne)
{
    WriteSettings("[Options]\nPlayer=Ann\n[Ann]\nWin=3\nCardBack=60\n");
    Start();
    OpenSettings([this](frmNewGame& f) {
        EXPECT_EQ(Listed(f), std::vector<std::string>{"Ann"});
        EXPECT_FALSE(f.cmdRemove->isEnabled());
        hands.push_back([](QDialog& d) {
            auto& in = dynamic_cast<frmInput&>(d);
            in.show();
            QTest::keyClicks(in.txtInput, QString(40, 'x'));
            EXPECT_EQ(in.txtInput->text().size(), 35);
            // Names the file cannot hold, or a player already there, are refused in the prompt.
            for (const char* refused : {"Bo[b", "ANN"}) {
                in.txtInput->setText(refused);
                in.findChild<QPushButton*>("cmdOK")->click();
                EXPECT_EQ(in.result(), QDialog::Rejected) << refused;
                EXPECT_TRUE(in.lblMessage->text().contains(refused[0] == 'B' ? "[" : "already")) << refused;
            }
            in.txtInput->setText(" Bob ");
            QTest::keyClick(in.txtInput, Qt::Key_Return);
        });
        f.cmdAdd->click();
        EXPECT_EQ(Listed(f), (std::vector<std::string>{"Ann", "Bob"}));
        EXPECT_EQ(game().cfg.CurrentPlayer, "Bob");
        EXPECT_EQ(f.hscCardBack->value(), 0); // a new player's own settings
        EXPECT_TRUE(f.cmdRemove->isEnabled());

        f.lstPlayers->setCurrentRow(0); // Remove only off the first entry
        EXPECT_FALSE(f.cmdRemove->isEnabled());
        EXPECT_EQ(std::pair(game().cfg.CurrentPlayer, game().Wins), std::pair(std::string("Ann"), 3));
        EXPECT_EQ(f.hscCardBack->value(), 4);
        f.lstPlayers->setCurrentRow(1);
        f.cmdRemove->click();
        EXPECT_EQ(Listed(f), std::vector<std::string>{"Ann"});
        EXPECT_EQ(game().cfg.CurrentPlayer, "Ann");
        EXPECT_TRUE(f.cmdRemove->isEnabled());
        // The last player gone, a fresh one takes the table.
        f.cmdRemove->click();
        EXPECT_EQ(Listed(f), std::vector<std::string>{FirstPlayerName()});
        EXPECT_EQ(game().cfg.CurrentPlayer, FirstPlayerName());
        EXPECT_FALSE(f.cmdRemove->isEnabled());
        f.cmdCancel->click();
    });
    EXPECT_EQ(messages, (std::vector<std::string>{"Are you sure you want to remove Bob?",
                                                  "Are you sure you want to remove Ann?"}));
    EXPECT_EQ(ListPlayers(game().cfg.SettingsFile, "").names, std::vector<std::string>{FirstPlayerName()});
    EXPECT_EQ(window->windowTitle().toStdString(), "Tandrel - " + FirstPlayerName());
}

// The picture and the win sound come from their choosers, the colour from the
// colour chooser; all three hold after Cancel.
TEST_F(GameSettingsTest, ThePreviewShowsEachKindOfBackgroundFromItsChooserWithTheCardBack)
{
    QImage picture(40, 30, QImage::Format_RGB32);
    picture.fill(qRgb(10, 200, 30));
    ASSERT_TRUE(picture.save(folder.filePath("table.png")));
    ASSERT_TRUE(QFile::copy(QString(TANDREL_ASSETS) + "/win.wav", folder.filePath("ding.wav")));
    Start();
    // Picks the entry of that name in a chooser's list, then presses the button.
    const auto pick = [](QListWidget* list, const char* name, QPushButton* button) {
        const auto found = list->findItems(name, Qt::MatchExactly);
        ASSERT_FALSE(found.empty()) << name;
        list->setCurrentItem(found.front());
        button->click();
    };
    for (auto [bkgrd, gradiant] : {std::pair(1, 1), {0, 0}, {0, 1}}) {
        game().cfg.Bkgrd = bkgrd, game().cfg.Gradiant = gradiant;
        OpenSettings([&](frmNewGame& f) {
            if (bkgrd == 1) {
                hands.push_back([&](QDialog& d) { auto& c = dynamic_cast<frmBMP&>(d); pick(c.lstFiles, "table.png", c.cmdOK); });
                f.cmdBack->click();
                hands.push_back([&](QDialog& d) { auto& c = dynamic_cast<frmFile&>(d); pick(c.lstFiles, "ding.wav", c.cmdAssign); });
                f.cmdWin->click();
            } else {
                hands.push_back([](QDialog& d) {
                    dynamic_cast<QColorDialog&>(d).setCurrentColor(QColor(0x20, 0x40, 0x60));
                    d.accept();
                });
                f.cmdColor->click();
            }
            const QImage p = f.Preview();
            const QRgb colour = bkgrd ? qRgb(10, 200, 30) : qRgb(0x20, 0x40, 0x60);
            EXPECT_EQ(p.pixel(2, 0), colour);
            EXPECT_EQ(p.pixel(2, p.height() - 1), bkgrd == 0 && gradiant ? qRgb(0x20 + 126, 0x40 + 126, 0x60 + 126) : colour);
            QImage back(71, 95, QImage::Format_RGB32);
            window->table().DrawCardOn(back, 0, 0, game().cfg.CardBack);
            EXPECT_EQ(p.copy(48, 20, 71, 95).copy(10, 10, 50, 70), back.copy(10, 10, 50, 70)) << bkgrd << gradiant;
            f.cmdCancel->click();
        });
        if (bkgrd == 1) {
            EXPECT_EQ(screen().pixel(630, 5), qRgb(10, 200, 30)); // the table itself
        }
    }
    EXPECT_EQ(game().cfg.TableColor, 0x604020);
    EXPECT_EQ(game().cfg.BackImage, folder.filePath("table.png").toStdString());
    EXPECT_EQ(Stored("BackImage"), game().cfg.BackImage); // written at once
    EXPECT_EQ(game().cfg.WavFiles[0], folder.filePath("ding.wav").toStdString());
}
