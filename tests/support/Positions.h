#pragma once
// Building positions by hand for tests: an empty table, piles, wastes and
// stocks laid out card by card, and the rest of the deck parked in the stocks
// so the whole position stays consistent.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "engine/Game.h"
#include "engine/HeadlessView.h"
#include "opponent/Computer.h"

namespace tandrel::testing {

// A game with its own recording view, Animate off unless a test turns it on.
struct TestGame {
    HeadlessView view;
    Game g{view};
    TestGame()
    {
        g.cfg.Animate = 0;
        g.hooks.PlayComputerMoves = PlayComputerMoves;
    }
};

// Everything empty, nothing dealt, the game running.
void ClearTable(Game& g);
// Face-down count fd (their codes go into Deck) and face-up cards bottom first.
void SetPile(Game& g, int p, const std::vector<int>& faceDown, const std::vector<int>& faceUp);
// Waste cards bottom first with fan cards shown.
void SetWaste(Game& g, int side, const std::vector<int>& cards, int fan);
// Stock cards in flip order from slot 1.
void SetStock(Game& g, int side, const std::vector<int>& cards);
// Foundation f holding its suit from the ace up to card.
void SetFoundation(Game& g, int f, int topCard);
// Cards not placed yet go to the end of side's stock; CardsLeft follows.
void ParkRest(Game& g, int side = 2);
void RecountHands(Game& g);

// The code of a card by suit (1..4) and rank (1 ace .. 13 king).
constexpr int Card(int suit, int rank)
{
    const int two = suit == 1 ? 2 : suit == 3 ? 15 : suit == 4 ? 28 : 41;
    return two + (rank == 1 ? 12 : rank - 2);
}

// A test that lays out a position on an empty table.
class PositionTest : public ::testing::Test {
protected:
    void SetUp() override { ClearTable(g); }
    // The rest of the deck parked in the computer's stock; the position must be sound.
    void Done();
    ::testing::AssertionResult Sound() const;
    // The player's waste top picked up and dragged so that its picture lies at (x, y).
    void DragWasteTopTo(int x, int y);

    TestGame t;
    Game& g = t.g;
};

} // namespace tandrel::testing
