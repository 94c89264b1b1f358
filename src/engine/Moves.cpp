#include "engine/Moves.h"

#include <algorithm>
#include <string>

#include "engine/Cards.h"

namespace tandrel {

// A card played from a side's waste shows one fanned card fewer, never none.
void LowerWasteFan(Game& g, int side)
{
    g.WasteFan(side) = std::max(1, g.WasteFan(side) - 1);
}

bool FitsOpponentWaste(int card, int wasteTop)
{
    if (!IsCard(card) || !IsCard(wasteTop) || CardRank(card) == 1) return false;
    const int diff = CardRank(card) - CardRank(wasteTop);
    return OppositeColors(card, wasteTop) && (diff == 1 || diff == -1);
}

void TakeWasteTop(Game& g, int side)
{
    const int fan = g.WasteFan(side);
    g.Waste(side, g.WasteCount(side)) = 0;
    --g.WasteCount(side);
    if (fan == 1)
        while (g.WasteCount(side) > 0 && g.Waste(side, g.WasteCount(side)) == 0) --g.WasteCount(side);
}

int FoundationOfSuit(const Game& g, int suit)
{
    if (suit == 0) return 0;
    for (int f = 1; f <= FoundationCount; ++f)
        if (g.Foundation(f, FoundSuit) == suit) return f;
    return 0;
}

void PlaceOnFoundation(Game& g, int f, int card)
{
    if (CardRank(card) == 1) {
        g.Foundation(f, FoundSuit) = CardSuit(card);
        g.Foundation(f, FoundTop) = card - 13;
    } else {
        g.Foundation(f, FoundTop) = card;
    }
}

int FoundationTopCard(const Game& g, int f)
{
    const int suit = g.Foundation(f, FoundSuit);
    if (suit == 0) return 0;
    const int top = g.Foundation(f, FoundTop);
    return top == AceOfSuit(suit) - 13 ? AceOfSuit(suit) : top;
}

int AddToTableau(Game& g, int p, int card)
{
    for (int k = 1; k <= PileSlots; ++k)
        if (g.Tableau(p, k) == 0) {
            g.Tableau(p, k) = card;
            return k;
        }
    return 0;
}

void RemoveTableauTop(Game& g, int p)
{
    const int n = FaceUpCount(g, p);
    if (n > 0) g.Tableau(p, n) = 0;
}

void LayOnPile(Game& g, int p, int card)
{
    AddToTableau(g, p, card);
}

void TakeOnWaste(Game& g, int side, int card)
{
    const int pos = g.StockPos(side);
    if (pos >= 1 && pos <= HandSlots) g.Stock(side, pos) = 0;
    ++g.WasteCount(side);
    ++g.StockLevel(side);
    // The stock counter's shuffle reaches no real card in a sound position; it never goes below slot 1.
    for (int k = HandSlots - 1; k >= std::max(1, g.StockLevel(side)); --k) g.Stock(side, k + 1) = g.Stock(side, k);
    g.Waste(side, g.WasteCount(side)) = card;
}

} // namespace tandrel
