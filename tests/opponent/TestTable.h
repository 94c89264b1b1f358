#pragma once
// A hand-built table for the computer's moves: piles, wastes and foundations
// laid out card by card, every other card put into the stocks so that the
// whole position stays sound.
#include <gtest/gtest.h>

#include <vector>

#include "engine/Cards.h"
#include "engine/Game.h"
#include "engine/HeadlessView.h"
#include "engine/Position.h"
#include "opponent/Computer.h"
#include "support/Positions.h"

namespace tandrel::test {

// Suits as the foundations number them; 1 and 4 are black, 2 and 3 red.
constexpr int Black1 = 1, Red2 = 2, Red3 = 3, Black4 = 4;

using testing::Card;

// The parts of a game that a move may change, for "nothing changed" checks.
struct State {
    decltype(Game::Stock) Stock;
    decltype(Game::Waste) Waste;
    decltype(Game::StockPos) StockPos;
    decltype(Game::StockLevel) StockLevel;
    decltype(Game::WasteCount) WasteCount;
    decltype(Game::WasteCards) WasteCards;
    decltype(Game::WasteFan) WasteFan;
    decltype(Game::CardsLeft) CardsLeft;
    decltype(Game::Foundation) Foundation;
    decltype(Game::Tableau) Tableau;
    decltype(Game::TableauTop) TableauTop;
    decltype(Game::TableauFaceDown) TableauFaceDown;
    int FlippedCard, DragCard;
    bool GameOver;
    std::string UndoRecord;
    bool operator==(const State&) const = default;
};

inline State StateOf(const Game& g)
{
    return {g.Stock,      g.Waste,   g.StockPos,        g.StockLevel,  g.WasteCount, g.WasteCards,
            g.WasteFan,   g.CardsLeft, g.Foundation,    g.Tableau,     g.TableauTop, g.TableauFaceDown,
            g.FlippedCard, g.DragCard, g.GameOver,       g.UndoRecord};
}

class TestTable {
public:
    HeadlessView view;
    Game g{view};

    // An empty table in a game under way: Expert, slides on, nothing anywhere.
    TestTable()
    {
        g.hooks.PlayComputerMoves = PlayComputerMoves;
        g.GameOver = false;
        g.cfg.Style = 2;
        g.cfg.Animate = 1;
        g.cfg.SoundOn = 1;
        for (int p = 1; p <= 4; ++p) SetPile(p, {}, {});
        for (int side = 1; side <= 2; ++side) g.WasteFan(side) = 1;
    }

    // Face-down cards bottom first (pile p holds at most p - 1), then the face-up run.
    void SetPile(int p, std::vector<int> faceDown, std::vector<int> faceUp)
    {
        testing::SetPile(g, p, faceDown, faceUp);
    }

    // A side's waste, bottom first, with fan cards showing.
    void SetWaste(int side, std::vector<int> cards, int fan = 1) { testing::SetWaste(g, side, cards, fan); }

    // Foundation f holds a suit from its ace up to rank top.
    void SetFoundation(int f, int suit, int top) { testing::SetFoundation(g, f, Card(suit, top)); }

    // Every card not laid out yet goes into the stocks, side 1 and side 2 in turn.
    void DealRest()
    {
        bool used[54] = {};
        for (int p = 1; p <= 4; ++p) {
            for (int k = 1; k <= 12; ++k) used[g.Tableau(p, k)] = true;
            for (int k = 1; k <= g.TableauFaceDown(p); ++k) used[g.Deck(FaceDownPosition(p, k))] = true;
        }
        for (int side = 1; side <= 2; ++side)
            for (int i = 1; i <= 42; ++i) used[g.Waste(side, i)] = true;
        for (int f = 1; f <= 4; ++f) {
            const int suit = g.Foundation(f, FoundSuit);
            if (suit == 0) continue;
            used[Card(suit, 1)] = true;
            for (int c = Card(suit, 2); c <= g.Foundation(f, FoundTop) && c <= Card(suit, 13); ++c) used[c] = true;
        }
        for (int s = 1; s <= 2; ++s)
            for (int i = 1; i <= 42; ++i) g.Stock(s, i) = 0;
        int count[3] = {0, 0, 0}, side = 1;
        for (int c = 2; c <= 53; ++c) {
            if (used[c]) continue;
            g.Stock(side, ++count[side]) = c;
            side = OtherSide(side);
        }
        for (int s = 1; s <= 2; ++s) {
            g.StockPos(s) = 0;
            g.StockLevel(s) = 21 + count[s];
            g.CardsLeft(s) = count[s] + g.WasteCards(s);
        }
        std::string why;
        EXPECT_TRUE(CheckPosition(g, &why)) << why;
    }

    // The slide asked for, compared by its start and end points.
    static void ExpectSlide(const SlideRecord& s, float x, float y, float tx, float ty)
    {
        EXPECT_FLOAT_EQ(s.x, x);
        EXPECT_FLOAT_EQ(s.y, y);
        EXPECT_FLOAT_EQ(s.targetX, tx);
        EXPECT_FLOAT_EQ(s.targetY, ty);
    }

    void ExpectSound() const
    {
        std::string why;
        EXPECT_TRUE(CheckPosition(g, &why)) << why;
    }
};

} // namespace tandrel::test
