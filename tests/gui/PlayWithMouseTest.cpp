// The player's mouse on the real main window: drags, drops, right-clicks,
// double-clicks and clicks, each checked in the state and on the table.
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// Face-down cards under two piles, clubs up to the five and the ace of spades
// home, the player's waste ending with the eight of spades and three hearts to come.
const char* const Layout = "9h | [2d] Td 9c 8h | [3d 4d] Th | Js ; 5c As ; Qh 8s ; Qc 7d";
void PlayersStock(Game& g) { SetStock(g, 1, {Card(3, 2), Card(3, 3), Card(3, 4)}); }

const QPoint WasteTop1(500, 347); // the player's waste top with one card fanned

// The player's mouse on the table above.
class MouseOnTable : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Start();
        Craft(Layout, PlayersStock);
    }
};

} // namespace

TEST_F(MouseOnTable, WasteCardDraggedOntoTheComputersWasteLeavesNothingInHand)
{
    Drag(WasteTop1, QPoint(530, 72));
    EXPECT_EQ(Table(game()), "9h | [2d] Td 9c 8h | [3d 4d] Th | Js ; 5c As - - ; Qh (1) ; Qc 7d 8s (1)");
    EXPECT_EQ(game().UndoRecord, "6");
    EXPECT_EQ(game().DragCard, 0);
    EXPECT_TRUE(Sound());
    EXPECT_TRUE(Shows(Card(4, 8), 465, 25));
    EXPECT_TRUE(Shows(Card(3, 12), 465, 300));
    // The queen has nowhere to go: a click and a double-click leave the table as it is.
    const QImage before = screen().copy();
    Click(500, 347);
    DoubleClick(500, 347);
    EXPECT_EQ(screen(), before);
}

TEST_F(MouseOnTable, RunDraggedFromItsMiddleCard)
{
    Drag(QPoint(135, 150), QPoint(225, 200));
    EXPECT_EQ(Table(game()), "9h | [2d] Td | [3d 4d] Th 9c 8h | Js ; 5c As - - ; Qh 8s (1) ; Qc 7d (1)");
    EXPECT_TRUE(Sound());
    EXPECT_TRUE(Shows(Card(1, 9), 190, 150, 20));
    EXPECT_TRUE(Shows(Card(3, 8), 190, 170));
    EXPECT_TRUE(Shows(Card(2, 10), 100, 125));
}

TEST_F(MouseOnTable, RightClickPlaysARunToTheFirstPileThatTakesIt)
{
    Click(135, 130, Qt::RightButton); // on the ten of diamonds leading the run
    EXPECT_EQ(Table(game()), "9h | [2d] @120 | [3d 4d] Th | Js Td 9c 8h ; 5c As - - ; Qh 8s (1) ; Qc 7d (1)");
    EXPECT_TRUE(Shows(Card(3, 8), 280, 180));
    EXPECT_TRUE(Shows(game().cfg.CardBack, 100, 120));
    // The card waiting face down turns up with a click.
    Click(135, 160);
    EXPECT_EQ(game().TableauTop(2, TopCard), Card(2, 2));
    EXPECT_TRUE(Shows(Card(2, 2), 100, 120));
    EXPECT_TRUE(Sound());
}

TEST_F(MouseOnTable, DoubleClicksPlayToTheFoundations)
{
    Craft("9h 8c 7h 6c | [2d] Td 9c 8h | [3d 4d] Th | Js ; 5c As ; Qh 8s 2s (3) ; Qc 7d", PlayersStock);
    DoubleClick(45, 200); // the six of clubs on top of pile 1
    EXPECT_TRUE(Shows(Card(1, 6), 10, 10));
    DoubleClick(470, 340); // the fanned cards under the waste top: the two of spades goes home
    EXPECT_EQ(Table(game()), "9h 8c 7h | [2d] Td 9c 8h | [3d 4d] Th | Js ; 6c 2s - - ; Qh 8s (2) ; Qc 7d (1)");
    EXPECT_EQ(game().DragCard, 0);
    EXPECT_TRUE(Shows(Card(4, 2), 100, 10));
    EXPECT_TRUE(Shows(Card(4, 8), 480, 300));
    EXPECT_TRUE(Sound());
}

TEST_F(MouseOnTable, ScoreBoardRefusesToEndATurnWithoutAFlip)
{
    game().FlipsThisTurn = 0;
    const int computersBefore = game().CardsLeft(2);
    Click(480, 250);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "You must flip a card.");
    EXPECT_EQ(lastTitle, "Tandrel");
    EXPECT_EQ(game().CardsLeft(2), computersBefore);

    // A flip, then the board hands over to the computer, which plays and hands back.
    Click(400, 340);
    EXPECT_EQ(game().Waste(1, game().WasteCount(1)), Card(3, 2));
    Click(480, 250);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(game().ComputerBusy);
    EXPECT_EQ(game().UndoRecord, "");
    EXPECT_TRUE(Sound());
}

TEST_F(MouseOnTable, RefusedOrUnfinishedDragsPutTheirCardsBack)
{
    game().UndoRecord = "1";
    const std::string laid = Table(game());
    const QImage before = screen().copy();
    Drag(QPoint(45, 160), QPoint(225, 180)); // a red nine onto a red ten
    EXPECT_EQ(screen(), before);
    Press(WasteTop1.x(), WasteTop1.y()); // released outside the window
    Move(600, 460);
    Release(700, 520);
    EXPECT_EQ(screen(), before);
    Press(135, 150); // the window loses the mouse in the middle of a drag
    Move(300, 300);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(table(), &deactivate);
    EXPECT_FALSE(window->mouse().Dragging());
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(Table(game()), laid);
    EXPECT_EQ(game().UndoRecord, "1");
    EXPECT_TRUE(Sound());
}
