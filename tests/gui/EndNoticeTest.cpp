// The notice over the table at the end of a game: who won and the score, on
// the table picture through every repaint, gone with the next deal.
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// What the notice's place shows at scale k: 0 no notice, the winner by its
// title's colour (1 green, 2 red), -1 a notice without its text.
int NoticeShown(const QImage& img, int k = 1)
{
    const QRect text(EndNoticeArea.left + PanelTextMargin, EndNoticeArea.top + PanelTextMargin,
                     EndNoticeArea.right - EndNoticeArea.left - 2 * PanelTextMargin, 0);
    if (img.pixel((text.x() + 12) * k, (text.y() + 1) * k) != qRgb(255, 255, 225)) return 0;
    const int titleEnd = text.y() + (EndNoticeArea.bottom - EndNoticeArea.top - 2 * PanelTextMargin) / 3;
    int green = 0, red = 0, dark = 0;
    for (int y = text.y() * k; y < (EndNoticeArea.bottom - PanelTextMargin) * k; ++y)
        for (int x = text.x() * k; x <= text.right() * k; ++x) {
            const QRgb c = img.pixel(x, y);
            if (y >= titleEnd * k) dark += qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
            green += qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
            red += qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60;
        }
    if (dark < 40) return -1;
    return green > 20 && red == 0 ? 1 : red > 20 && green == 0 ? 2 : -1;
}

} // namespace

TEST_F(GuiTest, AWonGameIsToldThroughRepaintsResizesAndAFinerScreenUntilF2)
{
    // Settings cancelled at the start: over, but nothing dealt and nobody won.
    hands.push_back([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    Start();
    ASSERT_TRUE(game().GameOver);
    EXPECT_TRUE(game().DealString.empty());
    EXPECT_EQ(NoticeShown(screen()), 0);
    Click(400, 340); // the stock: the game counts as over
    EXPECT_EQ(game().WasteCount(1), 0);
    // A hand edit while the game runs (an editor writes the file in place): the win counts on it.
    ProfileFile edited;
    edited.Load(game().cfg.SettingsFile);
    edited.Write(game().cfg.CurrentPlayer, "Win", "3");
    edited.Write(game().cfg.CurrentPlayer, "Loss", "1");
    std::ofstream(game().cfg.SettingsFile, std::ios::binary | std::ios::trunc) << edited.Text();
    Craft("- | - | - | - ; Qc Qd Kh Ks ; Kc ; Kd");
    Click(470, 347);
    DoubleClick(470, 347); // the last card, the king of clubs, goes home
    ASSERT_TRUE(game().GameOver);
    const EndNoticeText t = EndNoticeLines(game());
    EXPECT_EQ(std::tuple(t.title, t.score, t.next), std::tuple("You won!", "Win: 4   Loss: 1", "F2 deals a new game"));
    EXPECT_EQ(NoticeShown(screen()), 1);
    EXPECT_EQ(Stored("Win"), "4");
    // Nothing to take back once the game is won.
    EXPECT_FALSE(Offered("mnuOpt", "mnuUndo"));
    const QImage whole = screen().copy();
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    Command("mnuUndo")->trigger();
    EXPECT_EQ(std::tuple(game().Foundation(1, FoundTop), game().Wins, game().GameOver), std::tuple(Card("Kc"), 4, true));
    EXPECT_EQ(screen(), whole);

    const QRect area(EndNoticeArea.left, EndNoticeArea.top, 300, 100);
    const QImage won = screen().copy(area);
    window->table().RedrawTable();
    EXPECT_EQ(screen().copy(area), won);
    window->tableWidget().resize(800, 600);
    EXPECT_EQ(screen().copy(area), won);
    window->table().SetScale(2);
    window->table().Resize(800, 600);
    window->table().RedrawTable();
    EXPECT_EQ(NoticeShown(screen(), 2), 1);

    QTest::keyClick(window.get(), Qt::Key_F2);
    ASSERT_FALSE(game().GameOver);
    EXPECT_EQ(game().GamesDealt, 1);
    window->table().RedrawTable();
    EXPECT_EQ(NoticeShown(screen(), 2), 0);
    window->close();
    EXPECT_EQ(Stored("Win"), "4") << "the exit adds nothing twice";
}

TEST_F(GuiTest, ALostGameIsToldInTheComputersColourUntilTheDealIsRestarted)
{
    Start();
    const std::string deal = game().DealString;
    // The player holds one card, so the turn ends without a flip; the computer plays its king home.
    Craft("Qs | - | - | - ; Kc Qd Kh Js ; Ks ; Kd");
    game().DealString = deal;
    Click(480, 250);
    ASSERT_TRUE(game().GameOver);
    const EndNoticeText t = EndNoticeLines(game());
    EXPECT_EQ(std::tuple(t.title, t.score), std::tuple("The computer won.", "Win: 0   Loss: 1"));
    EXPECT_EQ(NoticeShown(screen()), 2);
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_FALSE(game().GameOver);
    EXPECT_EQ(NoticeShown(screen()), 0);
}
