// The alarm window and the two choosers, driven with keys and the mouse.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <functional>

#include "dialogs/Alarm.h"
#include "dialogs/FolderFiles.h"
#include "dialogs/PictureChooser.h"
#include "dialogs/SoundChooser.h"
#include "sound/Mixer.h"

using namespace tandrel;

namespace {

// Acts on the modal window as soon as its loop runs; one left open is closed.
template <class Form>
void WhenModal(const std::function<void(Form&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* frm = qobject_cast<Form*>(QApplication::activeModalWidget());
        ASSERT_NE(frm, nullptr);
        act(*frm);
        if (frm->isVisible()) frm->reject();
    });
}

class Folders : public ::testing::Test {
protected:
    std::string Make(const QString& relPath, const QByteArray& bytes = "RIFF")
    {
        const QString full = dir.filePath(relPath);
        QDir().mkpath(QFileInfo(full).path());
        QFile f(full);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return QFile::encodeName(full).toStdString();
    }
    std::string Path(const QString& rel) { return QFile::encodeName(dir.filePath(rel)).toStdString(); }
    QTemporaryDir dir;
};

} // namespace

TEST(Alarm, LabelSaysMinuteForOneAndMinutesOtherwise)
{
    frmAlarm frm(nullptr, 0);
    frm.show();
    EXPECT_EQ(frm.lblAlarm->text(), "Alert me when I've played for 5 Minutes.");
    const struct {
        Qt::Key key;
        const char* text;
    } cases[] = {{Qt::Key_Home, "Alert me when I've played for 1 Minute."},
                 {Qt::Key_Right, "Alert me when I've played for 2 Minutes."},
                 {Qt::Key_End, "Alert me when I've played for 60 Minutes."}};
    for (const auto& c : cases) {
        QTest::keyClick(frm.hscAlarm, c.key);
        EXPECT_EQ(frm.lblAlarm->text().toStdString(), c.text);
    }
}

TEST_F(Folders, SameNameTwiceEachWithItsPathMissingFoldersAndOddEntriesAddNothing)
{
    const std::string one = Make("one/a.wav");
    Make("one/sub/below.wav"); // the folder alone
    const std::string two = Make("two/a.wav");
    const std::string upper = Make("two/B.WAV");
    Make("two/c.txt");
    QDir().mkpath(dir.filePath("two/folder.wav"));
    ASSERT_EQ(mkfifo(Path("two/pipe.wav").c_str(), 0600), 0); // reading it would hang
    ASSERT_TRUE(QFile::link(dir.filePath("nowhere"), dir.filePath("two/gone.wav")));
    const std::string deep = Make("two/s1/s2/s3/deep.wav");
    Make("two/s1/s2/s3/s4/deeper.wav");

    const std::vector<SearchFolder> folders{Path("one"), Path("missing"), {Path("two"), 3}, Path("one")};
    const std::vector<FolderFile> found = ListFiles(folders, SoundExtensions());
    const std::vector<std::pair<std::string, std::string>> expected{
        {"a.wav", one}, {"a.wav", two}, {"B.WAV", upper}, {"deep.wav", deep}};
    ASSERT_EQ(found.size(), expected.size());
    for (size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].name, expected[i].first);
        EXPECT_EQ(found[i].path, expected[i].second);
    }
    EXPECT_EQ(ListFiles(folders, SoundExtensions(), 2).size(), 2u);
}

TEST_F(Folders, SoundChooserAnswersAssignedPathOrTheOneItWasGiven)
{
    Make("a.wav");
    const std::string second = Make("b.wav");
    const std::vector<SearchFolder> folders{dir.path().toStdString()};
    Mixer mixer;
    const struct {
        std::function<void(frmFile&)> act;
        std::string answer;
    } cases[] = {
        {[](frmFile& f) { QTest::keyClick(f.lstFiles, Qt::Key_Escape); }, "old.wav"},
        {[](frmFile& f) { QTest::mouseClick(f.cmdClose, Qt::LeftButton); }, "old.wav"},
        {[](frmFile& f) {
             QTest::keyClick(f.lstFiles, Qt::Key_Down);
             QTest::mouseClick(f.cmdAssign, Qt::LeftButton);
         },
         second},
    };
    for (const auto& c : cases) {
        std::string count;
        WhenModal<frmFile>([&](frmFile& f) {
            count = f.lblFileCount->text().toStdString();
            c.act(f);
        });
        EXPECT_EQ(ChooseSoundFile(nullptr, mixer, folders, "old.wav"), c.answer);
        EXPECT_EQ(count, "2 files found");
    }
}

TEST_F(Folders, ChoosersWithNothingFoundCannotAccept)
{
    Make("readme.txt");
    const std::vector<SearchFolder> folders{dir.path().toStdString(), Path("missing")};
    Mixer mixer;
    frmFile sounds(nullptr, mixer, folders, "old.wav");
    EXPECT_FALSE(sounds.cmdTest->isEnabled());
    EXPECT_FALSE(sounds.cmdAssign->isEnabled());
    EXPECT_EQ(sounds.lblFileCount->text(), "0 files found");
    frmBMP pictures(nullptr, folders);
    EXPECT_FALSE(pictures.cmdOK->isEnabled());
}

TEST_F(Folders, PictureSampleIsTheTiledPictureAndStaysWhenOneCannotBeRead)
{
    QImage tile(3, 2, QImage::Format_RGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) tile.setPixel(x, y, qRgb(40 * x, 100 * y, 200));
    ASSERT_TRUE(tile.save(dir.filePath("a.png")));
    Make("b.png", "not a picture");

    frmBMP frm(nullptr, {dir.path().toStdString()});
    frm.show();
    ASSERT_EQ(frm.lstFiles->currentRow(), 0);
    const QImage sample = frm.Sample();
    for (int y = 0; y < sample.height(); ++y)
        for (int x = 0; x < sample.width(); ++x) ASSERT_EQ(sample.pixel(x, y), tile.pixel(x % 3, y % 2)) << x << "," << y;
    EXPECT_TRUE(frm.cmdOK->isEnabled());
    EXPECT_TRUE(frm.lblMessage->text().isEmpty());

    QTest::keyClick(frm.lstFiles, Qt::Key_Down);
    EXPECT_EQ(frm.Sample(), sample);
    EXPECT_TRUE(frm.lblMessage->text().contains("b.png cannot be shown"));
    EXPECT_FALSE(frm.cmdOK->isEnabled());
}

TEST_F(Folders, PictureChooserAnswersChosenPathOrNothing)
{
    ASSERT_TRUE(QImage(4, 4, QImage::Format_RGB32).save(dir.filePath("a.bmp")));
    const std::vector<SearchFolder> folders{dir.path().toStdString()};
    const struct {
        std::function<void(frmBMP&)> act;
        std::string answer;
    } cases[] = {
        {[](frmBMP& f) { QTest::keyClick(f.lstFiles, Qt::Key_Escape); }, ""},
        {[](frmBMP& f) { QTest::mouseClick(f.cmdCancel, Qt::LeftButton); }, ""},
        {[](frmBMP& f) { QTest::keyClick(f.lstFiles, Qt::Key_Return); }, Path("a.bmp")},
        {[](frmBMP& f) {
             const QPoint at = f.lstFiles->visualItemRect(f.lstFiles->item(0)).center();
             QTest::mouseClick(f.lstFiles->viewport(), Qt::LeftButton, {}, at); // a double click starts as a click
             QTest::mouseDClick(f.lstFiles->viewport(), Qt::LeftButton, {}, at);
         },
         Path("a.bmp")},
    };
    for (const auto& c : cases) {
        WhenModal<frmBMP>(c.act);
        EXPECT_EQ(ChooseBackgroundPicture(nullptr, folders), c.answer);
    }
}
