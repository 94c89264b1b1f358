#pragma once
// Positions laid out card by card for the engine, input, opponent and store
// tests: an empty table, piles, wastes, stocks and foundations, and the rest
// of the deck parked in the stocks so that the whole position stays sound.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Cards.h"
#include "engine/Game.h"
#include "engine/HeadlessView.h"

namespace tandrel::testing {

// Suits as the foundations number them: clubs and spades black, diamonds and hearts red.
constexpr int Clubs = 1, Diamonds = 2, Hearts = 3, Spades = 4;

// The code of a card by suit and rank (1 ace .. 13 king).
constexpr int Card(int suit, int rank)
{
    const int two = suit == Clubs ? 2 : suit == Hearts ? 15 : suit == Spades ? 28 : 41;
    return two + (rank == 1 ? 12 : rank - 2);
}
// The code of a card by rank and suit letters: "Ah", "Tc", "9s"; -1 for anything else.
constexpr int Card(std::string_view name)
{
    const auto rank = std::string_view("A23456789TJQK").find(name.substr(0, 1));
    const auto suit = std::string_view("cdhs").find(name.substr(1));
    if (name.size() != 2 || rank == std::string_view::npos || suit == std::string_view::npos) return -1;
    return Card(static_cast<int>(suit) + 1, static_cast<int>(rank) + 1);
}
// The visible table as text, the same for laying it out (Lay) and reading it
// back (Table): the four piles left to right, each its face-down cards in
// brackets bottom first, then its face-up run bottom first ("-" when empty);
// the foundation tops; each side's waste
// bottom first ("." a hole) with the cards fanned:
//   "9h | - | [5d 6d] 4s | [2d 3d 4d] ; Qc Ah - - ; Ks . 8h (2) ; - (1)"
std::string Table(const Game& g);
// Clears the table (stocks empty, nothing flipped, dragged or recorded, the game
// running, the player's turn free to end) and lays it out as the text says.
// Foundations and wastes may be left off at the end (empty), as may a waste's fan (1).
void Lay(Game& g, const std::string& text);

// A side's stock in flip order from slot 1.
void SetStock(Game& g, int side, const std::vector<int>& cards);
// Cards not placed yet go to the end of side's stock (then the other's).
void ParkRest(Game& g, int side = 2);
// The side holds n cards in all: its waste as it is, the rest in its stock, of
// any codes (for the pictures of the panels and the stock, not a sound position).
void SetCardsLeft(Game& g, int side, int n);

// The whole position holds together.
::testing::AssertionResult Sound(const Game& g);
// The same position for the player: every card in the same place, the same
// counts and tops. The stock is compared as the cards still to come, because a
// flip taken back may put them in other slots.
::testing::AssertionResult SamePosition(const Game& a, const Game& b);
// Every part of the table the same, slot for slot: the cards, every count, the
// passes through the stock and the face-down cards.
::testing::AssertionResult SameTable(const Game& a, const Game& b);
// The same table, flipped and dragged card, end of the game and undo record.
::testing::AssertionResult Unchanged(const Game& a, const Game& b);

// The recording view a test game draws on.
const HeadlessView& ViewOf(const Game& g);

// The slides asked for: start and end points, in whole pixels as the table lays
// every card (a fraction reads as INT_MIN, so it never matches).
using Slide = std::array<int, 4>;
std::vector<Slide> Slides(const HeadlessView& view);

// The player's waste top picked up and dragged so that its picture lies at (x, y).

// A game with its own recording view on an empty table; slides off.
struct TestGame {
    HeadlessView view;
    Game g{view};
    TestGame();
};

// A test that lays out a position on an empty table.
class PositionTest : public ::testing::Test, public TestGame {
protected:
    // The rest of the deck parked in the computer's stock; the position must be sound.
    void Done()
    {
        ParkRest(g, 2);
        ASSERT_TRUE(Sound(g));
    }
};

} // namespace tandrel::testing
