// The alarm window and the two choosers, driven with keys and the mouse.
#include <QApplication>
#include <QDataStream>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QProxyStyle>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

#include "dialogs/Alarm.h"
#include "dialogs/PictureChooser.h"
#include "dialogs/SoundChooser.h"
#include "engine/HeadlessView.h"
#include "render/OffscreenTable.h"
#include "sound/Mixer.h"
#include "support/qt/Modal.h"

using namespace tandrel;
using tandrel::testing::WhenModal;

namespace {

class Folders : public ::testing::Test {
protected:
    std::string Path(const QString& rel) { return QFile::encodeName(dir.filePath(rel)).toStdString(); }
    std::string Make(const QString& rel, const QByteArray& bytes = "RIFF")
    {
        QDir().mkpath(QFileInfo(dir.filePath(rel)).path());
        QFile f(dir.filePath(rel));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        return Path(rel);
    }
    QTemporaryDir dir;
    Mixer mixer;
};

} // namespace

TEST(Alarm, LabelSaysMinuteForOneAndMinutesOtherwise)
{
    AlarmDialog frm(nullptr, 0);
    EXPECT_EQ(frm.lblAlarm->text(), "Alert me when I've played for 5 Minutes.");
    for (auto [key, text] : {std::pair{Qt::Key_Home, "1 Minute."}, {Qt::Key_Right, "2 Minutes."}, {Qt::Key_End, "60 Minutes."}}) {
        QTest::keyClick(frm.hscAlarm, key);
        EXPECT_EQ(frm.lblAlarm->text(), QString("Alert me when I've played for ") + text);
    }
}

// A desktop whose style puts Cancel first and keeps room for button icons, as GNOME's does.
TEST(Alarm, ButtonsKeepTheirPlacesOrderAndSizeOnAnyDesktop)
{
    struct Gnome : QProxyStyle {
        int styleHint(StyleHint hint, const QStyleOption* o, const QWidget* w, QStyleHintReturn* r) const override
        {
            if (hint == SH_DialogButtonLayout) return QDialogButtonBox::GnomeLayout;
            return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, o, w, r);
        }
    };
    const QString style = QApplication::style()->name();
    QApplication::setStyle(new Gnome);
    AlarmDialog frm(nullptr, 0);
    frm.show();
    EXPECT_LT(frm.cmdOK->x(), frm.cmdCancel->x());
    EXPECT_EQ(frm.cmdOK->nextInFocusChain(), frm.cmdCancel);
    EXPECT_EQ(frm.cmdOK->height(), QPushButton("&OK").sizeHint().height());
    QApplication::setStyle(style);
}

TEST_F(Folders, SameNameTwiceEachWithItsPathMissingFoldersAndOddEntriesAddNothing)
{
    const std::string one = Make("one/a.wav"), two = Make("two/a.wav"), upper = Make("two/B.WAV");
    const std::string deep = Make("two/s1/s2/s3/deep.wav");
    Make("one/sub/below.wav"); // the folder alone
    Make("two/c.txt");
    Make("two/s1/s2/s3/s4/deeper.wav");
    QDir().mkpath(dir.filePath("two/folder.wav"));
    ASSERT_EQ(mkfifo(Path("two/pipe.wav").c_str(), 0600), 0); // reading it would hang
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), dir.filePath("two/gone.wav")));

    const std::vector<SearchFolder> folders{Path("one"), Path("missing"), {Path("two"), 3}, Path("one")};
    std::vector<std::pair<std::string, std::string>> found;
    for (const FolderFile& f : ListFiles(folders, SoundExtensions())) found.emplace_back(f.name, f.path);
    EXPECT_EQ(found, (decltype(found){{"a.wav", one}, {"a.wav", two}, {"B.WAV", upper}, {"deep.wav", deep}}));
    EXPECT_EQ(ListFiles(folders, SoundExtensions(), 2).size(), 2u);
}

// "back7@2x.bmp" and "back7@3x.png" are the finer copies of "back7.bmp", which a
// finer screen shows by itself; one without its picture is a picture of its own.
TEST_F(Folders, FinerCopiesOfAPictureBesideItAreNotListed)
{
    for (const char* name : {"back7.bmp", "back7@2x.bmp", "back7@3x.png", "lone@2x.png", "other.jpg", "other@2x.PNG",
                             "other@2x.bmp", "sub/back7@2x.png"})
        Make(name);
    QStringList names;
    for (const FolderFile& f : ListFiles({dir.path().toStdString(), {Path("sub"), 0}}, PictureExtensions()))
        names << QString::fromStdString(f.name);
    EXPECT_EQ(names, (QStringList{"back7.bmp", "lone@2x.png", "other.jpg", "other@2x.bmp", "other@2x.PNG",
                                  "back7@2x.png"}));
}

TEST_F(Folders, SoundChooserAnswersAssignedPathOrTheOneItWasGiven)
{
    Make("a.wav");
    const std::string second = Make("b.wav");
    const std::pair<std::function<void(SoundChooser&)>, std::string> cases[] = {
        {[](SoundChooser& f) { QTest::keyClick(f.lstFiles, Qt::Key_Escape); }, "old.wav"},
        {[](SoundChooser& f) { QTest::mouseClick(f.cmdClose, Qt::LeftButton); }, "old.wav"},
        {[](SoundChooser& f) { QTest::keyClick(f.lstFiles, Qt::Key_Down), QTest::mouseClick(f.cmdAssign, Qt::LeftButton); }, second}};
    for (const auto& [act, answer] : cases) {
        QString count;
        WhenModal<SoundChooser>([&](SoundChooser& f) { count = f.lblFileCount->text(), act(f); });
        EXPECT_EQ(ChooseSoundFile(nullptr, mixer, {dir.path().toStdString()}, "old.wav"), answer);
        EXPECT_EQ(count, "2 files found");
    }

    SoundChooser none(nullptr, mixer, {Path("missing")}, "old.wav");
    EXPECT_FALSE(none.cmdTest->isEnabled() || none.cmdAssign->isEnabled());
    EXPECT_EQ(none.lblFileCount->text(), "0 files found");
}

TEST_F(Folders, PictureSampleStaysWhenOneCannotBeRead)
{
    QImage tile(3, 160, QImage::Format_RGB32);
    tile.fill(Qt::red);
    ASSERT_TRUE(tile.save(dir.filePath("a.png")));
    Make("b.png", "not a picture");
    QByteArray header; // a picture's header that claims 5000 x 4000 pixels
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out << quint16(0x4d42) << quint32(54) << quint32(0) << quint32(54) << quint32(40) << qint32(5000) << qint32(4000)
        << quint16(1) << quint16(24) << quint32(0) << quint32(0) << quint64(0) << quint64(0);
    Make("c.bmp", header);

    PictureChooser frm(nullptr, {dir.path().toStdString()});
    const QImage sample = frm.Sample();
    ASSERT_EQ(sample.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_TRUE(frm.cmdOK->isEnabled() && frm.lblMessage->text().isEmpty());

    QTest::keyClick(frm.lstFiles, Qt::Key_Down);
    EXPECT_EQ(frm.Sample(), sample);
    EXPECT_TRUE(frm.lblMessage->text().startsWith("b.png cannot be shown"));
    EXPECT_FALSE(frm.cmdOK->isEnabled());
    QTest::keyClick(frm.lstFiles, Qt::Key_Down);
    EXPECT_EQ(frm.Sample(), sample);
    EXPECT_EQ(frm.lblMessage->text(), "c.bmp cannot be shown: it is too large (5000 x 4000).");
}

// A two-colour picture, and pictures wider or taller than the sample by far:
// the sample shows what the table shows of each, pixel for pixel.
TEST_F(Folders, PictureSampleIsWhatTheTableShows)
{
    QImage stripes(4100, 40, QImage::Format_Mono); // wider than 4096: once shrunk to a hatch
    stripes.setColor(0, qRgb(20, 120, 40));
    stripes.setColor(1, qRgb(230, 200, 10));
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x) stripes.setPixel(x, y, (x / 3 + y / 5) % 2);
    QImage tall(90, 5000, QImage::Format_RGB32);
    for (int y = 0; y < tall.height(); ++y)
        for (int x = 0; x < tall.width(); ++x) tall.setPixel(x, y, qRgb(x * 2, y % 256, 90));
    for (const auto& [name, picture] : {std::pair{"stripes.png", stripes}, std::pair{"tall.jpg", tall}}) {
        QTemporaryDir one;
        const QString file = one.filePath(name);
        ASSERT_TRUE(picture.save(file));
        PictureChooser frm(nullptr, {one.path().toStdString()});
        HeadlessView view;
        Game game(view);
        OffscreenTable table(game);
        ASSERT_TRUE(table.LoadBackImage(QFile::encodeName(file).toStdString()));
        QImage shown(frm.Sample().size(), QImage::Format_RGB32);
        QtTable::TileBackground(table.BackgroundPicture(), shown);
        EXPECT_EQ(frm.Sample(), shown) << name;
        EXPECT_TRUE(frm.cmdOK->isEnabled());
    }
}

TEST_F(Folders, PictureChooserAnswersChosenPathOrNothing)
{
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(dir.filePath("a.bmp")));
    const auto doubleClick = [](PictureChooser& f) {
        const QPoint at = f.lstFiles->visualItemRect(f.lstFiles->item(0)).center();
        QTest::mouseClick(f.lstFiles->viewport(), Qt::LeftButton, {}, at); // a double click starts as a click
        QTest::mouseDClick(f.lstFiles->viewport(), Qt::LeftButton, {}, at);
    };
    const std::pair<std::function<void(PictureChooser&)>, std::string> cases[] = {
        {[](PictureChooser& f) { QTest::keyClick(f.lstFiles, Qt::Key_Escape); }, ""},
        {[](PictureChooser& f) { QTest::mouseClick(f.cmdCancel, Qt::LeftButton); }, ""},
        {[](PictureChooser& f) { QTest::keyClick(f.lstFiles, Qt::Key_Return); }, Path("a.bmp")},
        {doubleClick, Path("a.bmp")}};
    for (const auto& [act, answer] : cases) {
        WhenModal<PictureChooser>(act);
        EXPECT_EQ(ChooseBackgroundPicture(nullptr, {dir.path().toStdString()}), answer);
    }
    EXPECT_FALSE(PictureChooser(nullptr, {Path("missing")}).cmdOK->isEnabled());
}
