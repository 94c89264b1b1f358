// How a play ends, seen from the real window: nothing left in hand, a waste
// double-click that reaches the foundation, and nothing to undo once a game is won.
#include <QAction>
#include <QMenu>

#include "engine/Cards.h"
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// Clubs home up to the five; the player's waste shows the eight of spades over
// the six of clubs and the queen of hearts, the computer's the seven of diamonds.
const char* const Wastes = "9h | - | - | - ; 5c ; Qh 6c 8s ; Qc 7d";
void PlayersStock(Game& g) { SetStock(g, 1, {Card(3, 2), Card(3, 3)}); }

} // namespace

TEST_F(GuiTest, EveryPlayEndsWithNothingInHand)
{
    Start();
    Craft(Wastes, PlayersStock);
    Drag(QPoint(500, 347), QPoint(530, 72)); // the eight of spades onto the computer's seven
    ASSERT_EQ(game().Waste(2, game().WasteCount(2)), Card(4, 8));
    EXPECT_EQ(game().DragCard, 0);

    // A double-click on the new waste top (the six of clubs) sends it home,
    // though its first press picks the card up and its release puts it back.
    Click(500, 347);
    DoubleClick(500, 347);
    EXPECT_EQ(game().Foundation(1, FoundTop), Card(1, 6));
    EXPECT_EQ(game().DragCard, 0);
    EXPECT_TRUE(Shows(Card(1, 6), 10, 10));
    EXPECT_TRUE(Shows(Card(3, 12), 465, 300));
    EXPECT_TRUE(Sound());

    // The queen has nowhere to go: the double-click leaves the table as it is.
    const QImage before = screen().copy();
    Click(500, 347);
    DoubleClick(500, 347);
    EXPECT_EQ(game().Waste(1, game().WasteCount(1)), Card(3, 12));
    EXPECT_EQ(screen(), before);
}

TEST_F(GuiTest, OnceTheGameIsWonThereIsNothingToUndo)
{
    MainWindow& w = Start();
    Craft("- | - | - | - ; Qc Qd Kh Ks ; Kc ; Kd");
    game().Wins = 3;
    Click(470, 347);
    DoubleClick(470, 347); // the last card, the king of clubs, goes home
    ASSERT_TRUE(game().GameOver);
    ASSERT_EQ(game().Wins, 4);
    QMenu* options = w.findChild<QMenu*>("mnuOpt");
    emit options->aboutToShow();
    EXPECT_FALSE(w.findChild<QAction*>("mnuUndo")->isEnabled());

    const QImage won = screen().copy();
    QTest::keyClick(&w, Qt::Key_Z, Qt::ControlModifier);
    w.findChild<QAction*>("mnuUndo")->trigger();
    EXPECT_EQ(game().Foundation(1, FoundTop), Card(1, 13));
    EXPECT_EQ(game().CardsLeft(1), 0);
    EXPECT_EQ(game().Wins, 4);
    EXPECT_TRUE(game().GameOver);
    EXPECT_EQ(screen(), won);
}
