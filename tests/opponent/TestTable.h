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

namespace tandrel::test {

// Suits as the foundations number them; 1 and 4 are black, 2 and 3 red.
constexpr int Black1 = 1, Red2 = 2, Red3 = 3, Black4 = 4;

// The code of a card by suit and rank (1 ace .. 13 king).
constexpr int Card(int suit, int rank)
{
    const int first = suit == 1 ? 2 : suit == 3 ? 15 : suit == 4 ? 28 : 41;
    return first + (rank == 1 ? 12 : rank - 2);
}

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
        const int fd = static_cast<int>(faceDown.size()), up = static_cast<int>(faceUp.size());
        g.TableauFaceDown(p) = fd;
        for (int k = 1; k <= 3; ++k)
            if (FaceDownPosition(p, k)) g.Deck(FaceDownPosition(p, k)) = k <= fd ? faceDown[k - 1] : 0;
        for (int k = 1; k <= 12; ++k) g.Tableau(p, k) = k <= up ? faceUp[k - 1] : 0;
        g.TableauTop(p, 2) = PileX(p);
        if (up > 0) {
            g.TableauTop(p, 1) = faceUp.back();
            g.TableauTop(p, 3) = 120 + 5 * fd + 20 * (up - 1);
        } else if (fd > 0) {
            g.TableauTop(p, 1) = TurnUpPending;
            g.TableauTop(p, 3) = 120 + 5 * (fd - 1);
        } else {
            g.TableauTop(p, 1) = EmptyPileCode;
            g.TableauTop(p, 3) = 100;
        }
    }

    // A side's waste, bottom first, with fan cards showing.
    void SetWaste(int side, std::vector<int> cards, int fan = 1)
    {
        for (int i = 1; i <= 42; ++i) g.Waste(side, i) = i <= static_cast<int>(cards.size()) ? cards[i - 1] : 0;
        g.WasteCount(side) = g.WasteCards(side) = static_cast<int>(cards.size());
        g.WasteFan(side) = fan;
    }

    // Foundation f holds a suit from its ace up to rank top.
    void SetFoundation(int f, int suit, int top)
    {
        g.Foundation(f, 1) = suit;
        g.Foundation(f, 2) = top == 1 ? Card(suit, 1) - 13 : Card(suit, top);
    }

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
            const int suit = g.Foundation(f, 1);
            if (suit == 0) continue;
            used[Card(suit, 1)] = true;
            for (int c = Card(suit, 2); c <= g.Foundation(f, 2) && c <= Card(suit, 13); ++c) used[c] = true;
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
