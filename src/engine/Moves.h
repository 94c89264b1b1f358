#pragma once
// Where a card may be played, and what an accepted play changes.
#include "engine/Cards.h"
#include "engine/Game.h"

namespace tandrel {

// The three placement rules, asked by drops, automatic play and the computer
// (inline: the computer's search asks them all the time).
// The foundation that takes card, 0 when none does.
inline int FoundationFor(const Game& g, int card)
{
    if (!IsCard(card)) return 0;
    if (CardRank(card) == 1) {
        for (int f = 1; f <= FoundationCount; ++f)
            if (g.Foundation(f, FoundSuit) == 0) return f;
        return 0;
    }
    for (int f = 1; f <= FoundationCount; ++f)
        if (g.Foundation(f, FoundSuit) == CardSuit(card)) return card - g.Foundation(f, FoundTop) == 1 ? f : 0;
    return 0;
}

// The tableau rule between two cards: card goes on below (a rank lower, the other colour; never an ace).
inline bool GoesOnCard(int card, int below)
{
    if (!IsCard(card) || CardRank(card) == 1) return false;
    return OppositeColors(card, below) && CardRank(below) - CardRank(card) == 1;
}

inline bool FitsTableau(const Game& g, int card, int pile)
{
    const int top = PileTop(g, pile);
    return top != TurnUpPending && GoesOnCard(card, top);
}
bool FitsOpponentWaste(int card, int wasteTop);

// Takes the top card off pile p: the next face-up card shows, or the back
// waiting to be turned up, or the empty place.
void RemoveTableauTop(Game& g, int p);
// Lays a card on pile p's top.
void LayOnPile(Game& g, int p, int card);
// The foundation holding a suit, 0 when none does yet.
int FoundationOfSuit(const Game& g, int suit);
// Stores a card in the first free slot of pile p; returns the slot.
int AddToTableau(Game& g, int p, int card);
// Puts a card on a foundation as the rules store it (an ace as code - 13).
void PlaceOnFoundation(Game& g, int f, int card);
// A card loaded onto side's waste from the other side's: the waste and the
// stock counter of side take it.
void TakeOnWaste(Game& g, int side, int card);
// The waste's top card leaves it; a single fanned card may have empty slots below it.
void TakeWasteTop(Game& g, int side);
// A card played from a side's waste shows one fanned card fewer, never none.
void LowerWasteFan(Game& g, int side);
// Shows the foundation's top card (an ace stands alone as its own code).
int FoundationTopCard(const Game& g, int f);

} // namespace tandrel
