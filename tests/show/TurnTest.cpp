// Flips, the end of the player's turn, the end of a game and turning up a card.
#include "engine/Deal.h"
#include "engine/Move.h"
#include "engine/Undo.h"
#include "show/NewGame.h"
#include "show/PlayerHand.h"
#include "show/ShowMoves.h"
#include "show/Sound.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

using TurnTest = PositionTest;

// The flip that ends a pass with two cards is MovesTest's; here what follows it.
TEST_F(TurnTest, AfterAPassEndsTheWasteTurnsOverThenFlipsAgain)
{
    g.cfg.FlipNum = 3;
    Lay(g, "Kc | - | - | - ; Ks ; 5d 6d 7d (3)");
    SetStock(g, 1, {Card("9h"), Card("Th")});
    g.StockLevel(1) = 2 + 21;
    Done();
    PlayShown(g, FlipMove(1));
    ASSERT_EQ(g.StockPasses(1), 1);

    // The flipped card is still the top: the next click does nothing.
    const Game flipped = g;
    PlayShown(g, FlipMove(1));
    EXPECT_TRUE(Unchanged(g, flipped));

    // Once it has been played, the click turns the waste over, with sound 2 and no flip.
    g.FlippedCard = 0;
    view.sounds.clear();
    PlayShown(g, FlipMove(1));
    EXPECT_EQ(Table(g), "Kc | - | - | - ; Ks - - - ; - (2) ; - (1)");
    EXPECT_EQ(view.sounds, std::vector<int>{2});
    // The card flipped first comes first again.
    EXPECT_EQ(std::pair(g.StockEmpty(1), g.Stock(1, 1)), std::pair(false, Card("5d")));
    EXPECT_TRUE(Sound(g));

    PlayShown(g, FlipMove(1));
    EXPECT_EQ(Table(g), "Kc | - | - | - ; Ks - - - ; 5d 6d 7d (3) ; - (1)");
    EXPECT_FALSE(g.StockEmpty(1));
    EXPECT_TRUE(Sound(g));
}

TEST_F(TurnTest, EveryFlipPlaysTheNextRotationSoundAndSoundsOffTurnNothing)
{
    NewGame(g, true);
    view.sounds.clear();
    for (int i = 0; i < 8; ++i) {
        g.FlippedCard = 0;
        PlayShown(g, FlipMove(1));
    }
    EXPECT_EQ(view.sounds, (std::vector<int>{5, 6, 7, 8, 9, 4, 5, 6}));
    g.cfg.SoundOn = 0;
    PlaySound(g, 5);
    EXPECT_EQ(view.sounds.size(), 8u);
    EXPECT_EQ(g.CardSoundIndex, 6);
}

// The refusal of a turn without a new flip is the mouse tests' and the GUI's.
TEST_F(TurnTest, NothingToPlayAgainstUntilThePlayerHasFlippedUnlessOneCardIsLeft)
{
    NewGame(g, true);
    PlayShown(g, FlipMove(2)); // the computer has a waste and the player none
    g.FlippedCard = 0;
    EndPlayerTurn(g);
    EXPECT_EQ(view.messages, std::vector<std::string>{"You need to flip a card first."});
    EXPECT_FALSE(g.ComputerBusy);

    view.Clear();
    Lay(g, "- | - | - | - ; 8c 8d Kh Ks ; 9c ; 9d");
    Done();
    g.FlipsThisTurn = 0;
    ASSERT_EQ(CardsLeft(g, 1), 1);
    EndPlayerTurn(g);
    EXPECT_TRUE(view.messages.empty());
    EXPECT_FALSE(g.Undo); // the computer's turn ran and emptied it
}

// On the first fixed deal the computer loads a card onto the player's waste at
// once; the player has still not flipped, so the board keeps the turn.
TEST_F(TurnTest, ACardTheComputerLoadsIsNoFlip)
{
    g.GamesDealt = 0;
    NewGame(g, true);
    PlayShown(g, FlipMove(1));
    EndPlayerTurn(g);
    const int top = g.Waste(1, g.WasteCount(1));
    ASSERT_NE(top, g.FlippedCard) << "the computer no longer loads the player's waste on this deal";
    view.Clear();
    const Game before = g;
    EndPlayerTurn(g);
    const std::vector<std::string> refused{"You must flip a card."};
    EXPECT_EQ(view.messages, refused);
    EXPECT_TRUE(Unchanged(g, before));

    // A flip taken back is no flip either; one that stands hands the turn over.
    PlayShown(g, FlipMove(1));
    UndoMove(g);
    view.Clear();
    EndPlayerTurn(g);
    EXPECT_EQ(view.messages, refused);
    PlayShown(g, FlipMove(1));
    EndPlayerTurn(g);
    EXPECT_EQ(view.messages, refused);
    EXPECT_EQ(g.ComputerTurnsPlayed, before.ComputerTurnsPlayed + 1);
}

// Everything on the foundations but the king of clubs, which a side holds.
TEST_F(TurnTest, TheMoveThatPlaysOutAHandEndsTheGameCountedOnceAndStopsAtTheTop)
{
    const Move lastCard{MoveKind::WasteToFoundation, 2, 0, 0, 1, Card("Kc")};
    Lay(g, "- | - | - | - ; Qc Kd Kh Ks ; ; Kc");
    Done();
    g.Losses = 4;
    ASSERT_TRUE(PlayShown(g, lastCard).gameEnded);
    EXPECT_EQ(std::tuple(g.GameOver, g.Wins, g.Losses, g.LastWinner), std::tuple(true, 0, 5, 2));
    EXPECT_EQ(view.sounds, (std::vector<int>{5, 1})); // the card, then the loss
    // Once over nothing more is played or counted.
    EXPECT_TRUE(LegalMoves(g, 1).empty());
    EXPECT_FALSE(PlayShown(g, FlipMove(1)).done);
    EXPECT_EQ(std::tuple(g.Wins, g.Losses), std::tuple(0, 5));

    Lay(g, "- | - | - | - ; Qc Kd Kh Ks ; Kc");
    Done();
    g.Wins = 32767;
    ASSERT_TRUE(Apply(g, {MoveKind::WasteToFoundation, 1, 0, 0, 1, Card("Kc")}).gameEnded);
    EXPECT_EQ(std::tuple(g.Wins, g.LastWinner), std::tuple(32767, 1));
}

TEST_F(TurnTest, AfterAComputerWinTheNextGameOpensWithIt)
{
    g.LastWinner = 2;
    NewGame(g, true);
    ASSERT_FALSE(view.messages.empty());
    EXPECT_EQ(view.messages[0], "You lost the last game so the computer will start first this time.");
    // The computer flipped and played before the player could act.
    EXPECT_GE(WasteCards(g, 2) + (21 - CardsLeft(g, 2)), 1);
    EXPECT_FALSE(g.ComputerBusy);
    EXPECT_TRUE(Sound(g));
}

TEST_F(TurnTest, OnlyThePointOnTheTopBackTurnsItUp)
{
    Lay(g, "- | - | [5c 9d] | -");
    Done();
    g.Undo = UndoStep{UndoKind::Load};
    MouseState m;
    m.LastMouseX = 200, m.LastMouseY = 124; // above the top back (it starts at y = 125)
    Form_Click(g, m);
    EXPECT_EQ(PileTop(g, 3), TurnUpPending);
    m.LastMouseX = 200.5f, m.LastMouseY = 125;
    Form_Click(g, m);
    EXPECT_EQ(Table(g), "- | - | [5c] 9d | - ; - - - - ; - (1) ; - (1)");
    EXPECT_FALSE(g.Undo);
    EXPECT_TRUE(Sound(g));
}
