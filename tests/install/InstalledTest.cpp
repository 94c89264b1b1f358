// The installed game as a newcomer meets it: the real main window made for the
// program folder of an installation (PREFIX/games, which can be written here),
// in a home of its own. Its handbook and its own pictures and sounds are found
// in PREFIX/share/tandrel, its settings kept in ~/.config/tandrel.
#include <QListWidget>
#include <QRadioButton>
#include <QTextBrowser>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "dialogs/GameSettings.h"
#include "dialogs/HelpWindow.h"
#include "dialogs/PictureChooser.h"
#include "dialogs/SoundChooser.h"
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;
namespace fs = std::filesystem;

namespace {

class InstalledGame : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        ASSERT_TRUE(home.isValid());
        for (const char* name : {"HOME", "XDG_CONFIG_HOME"}) {
            const char* value = std::getenv(name);
            saved.emplace_back(name, value ? std::optional<std::string>(value) : std::nullopt);
        }
        ::setenv("HOME", home.path().toUtf8().constData(), 1);
        ::unsetenv("XDG_CONFIG_HOME");
    }
    void TearDown() override
    {
        GuiTest::TearDown();
        for (const auto& [name, value] : saved) value ? ::setenv(name, value->c_str(), 1) : ::unsetenv(name);
    }

    MainWindow& StartInstalled() { return Start(prefix + "/games"); }

    // What a chooser lists from the game's own folder, by name in its order.
    QStringList OwnFiles(const QListWidget* list) const
    {
        QStringList names;
        for (int i = 0; i < list->count(); ++i)
            if (list->item(i)->toolTip() == shared + "/" + list->item(i)->text()) names << list->item(i)->text();
        return names;
    }

    const std::string prefix = fs::canonical(TANDREL_INSTALLED).string();
    const QString shared = QString::fromStdString(prefix + "/share/tandrel");
    QTemporaryDir home;
    std::vector<std::pair<const char*, std::optional<std::string>>> saved;
};

} // namespace

TEST_F(InstalledGame, HelpTopicsShowsTheInstalledHandbookAtItsContents)
{
    MainWindow& w = StartInstalled();
    EXPECT_EQ(game().cfg.ProgramFolder, shared.toStdString());
    EXPECT_EQ(game().cfg.SettingsFile, home.filePath(".config/tandrel/duelpat.ini").toStdString());
    Command("mnuHelpTopics")->trigger();
    auto* help = w.findChild<HelpWindow*>("frmHelp");
    ASSERT_TRUE(help && help->isVisible());
    EXPECT_TRUE(help->HandbookFound());
    EXPECT_EQ(help->txtHelp->source(), QUrl::fromLocalFile(shared + "/handbook/index.html"));
    EXPECT_EQ(help->txtHelp->documentTitle(), "Tandrel Handbook: Contents");
}

// Game Settings, Change Image and Win, as the player reaches them.
TEST_F(InstalledGame, BothChoosersListTheGamesOwnPicturesAndSounds)
{
    StartInstalled();
    QStringList pictures, sounds;
    hands.push_back([&](QDialog& d) {
        auto& f = dynamic_cast<GameSettingsDialog&>(d);
        f.optBack[0]->click();
        hands.push_back([&](QDialog& c) {
            pictures = OwnFiles(dynamic_cast<PictureChooser&>(c).lstFiles);
            dynamic_cast<PictureChooser&>(c).cmdCancel->click();
        });
        f.cmdBack->click();
        hands.push_back([&](QDialog& c) {
            auto& chooser = dynamic_cast<SoundChooser&>(c);
            sounds = OwnFiles(chooser.lstFiles);
            chooser.cmdClose->click();
        });
        f.cmdWin->click();
        f.cmdCancel->click();
    });
    QTest::keyClick(window.get(), Qt::Key_F4);
    ASSERT_TRUE(hands.empty());

    // The table picture alone: its finer copies are what a finer screen shows of it.
    EXPECT_EQ(pictures, QStringList{"back7.bmp"});
    const QStringList wavs = QDir(shared).entryList({"*.wav"}, QDir::Files, QDir::Name | QDir::IgnoreCase);
    ASSERT_GE(wavs.size(), 11); // win, loss and the card sounds
    EXPECT_EQ(sounds, wavs);
}
