#pragma once
// What the computer's tableau tactics read off the table before they move.
#include "engine/Cards.h"
#include "engine/Moves.h"

namespace tandrel::tactics {

inline bool IsAce(int code) { return CardRank(code) == 1; }

inline bool KingWaiting(const Game& g)
{
    for (int i = 1; i <= PileCount; ++i)
        if (CardRank(g.Tableau(i, 1)) == 13 && g.TableauFaceDown(i) > 0) return true;
    return false;
}

// A king on the side's waste top, or one over face-down cards, could use an empty pile.
inline bool KingToPlace(const Game& g, int side, bool kingWaiting)
{
    const int wc = g.WasteCount(side);
    return wc >= 1 && (CardRank(g.Waste(side, wc)) == 13 || kingWaiting);
}

inline bool AnyPileEmpty(const Game& g)
{
    for (int i = 1; i <= PileCount; ++i)
        if (PileTop(g, i) == EmptyPileCode) return true;
    return false;
}

inline bool WaitsForTurnUp(const Game& g, int p) { return PileTop(g, p) == TurnUpPending; }

// Where each face-up tableau card lies: its pile and slot (0 when not there).
// A pile's face-up cards fill its slots from 1 without gaps.
struct TableauIndex {
    unsigned char pile[54]{}, slot[54]{};
};

inline TableauIndex IndexTableau(const Game& g)
{
    TableauIndex index;
    for (int p = 1; p <= PileCount; ++p) {
        for (int s = 1; s <= PileSlots; ++s) {
            const int card = g.Tableau(p, s);
            if (card == 0) break;
            if (!IsCard(card) || index.pile[card] != 0) continue;
            index.pile[card] = static_cast<unsigned char>(p);
            index.slot[card] = static_cast<unsigned char>(s);
        }
    }
    return index;
}

// The four piles' tops with their colours and ranks, read again after every move.
struct PileTops {
    int top[PileCount + 1], color[PileCount + 1], rank[PileCount + 1];
    explicit PileTops(const Game& g) { Read(g); }
    void Read(const Game& g)
    {
        for (int q = 1; q <= PileCount; ++q) {
            top[q] = PileTop(g, q);
            color[q] = ColorClass(top[q]);
            rank[q] = CardRank(top[q]);
        }
    }
};

inline int FirstPileTaking(const Game& g, int card)
{
    for (int r = 1; r <= PileCount; ++r)
        if (FitsTableau(g, card, r)) return r;
    return 0;
}

} // namespace tandrel::tactics
