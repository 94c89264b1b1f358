#include "opponent/Unseen.h"

#include <utility>
#include <vector>

#include "engine/Cards.h"
#include "engine/Position.h"

namespace tandrel {

namespace {

struct KeyMix {
    std::uint64_t h = 1469598103934665603ull;
    void Add(long v)
    {
        h ^= static_cast<std::uint64_t>(v) + 0x9E3779B97F4A7C15ull + (h << 6) + (h >> 2);
        h *= 1099511628211ull;
    }
};

int StockCards(const Game& g, int side) { return CardsLeft(g, side) - WasteCards(g, side); }

// Cards in plain sight, marked by code.
void MarkSeen(const Game& g, bool (&seen)[54])
{
    auto mark = [&](int c) {
        if (IsCard(c)) seen[c] = true;
    };
    for (int s = 1; s <= 2; ++s)
        for (int i = 1; i <= HandSlots; ++i) mark(g.Waste(s, i));
    for (int p = 1; p <= PileCount; ++p)
        for (int k = 1; k <= PileSlots; ++k) mark(g.Tableau(p, k));
    for (int f = 1; f <= FoundationCount; ++f) {
        const int suit = g.Foundation(f, FoundSuit), top = g.Foundation(f, FoundTop);
        if (suit < 1 || suit > 4) continue;
        const int ace = AceOfSuit(suit);
        mark(ace);
        for (int c = ace - 12; c <= top && c < ace; ++c) mark(c); // the two up to the top
    }
}

// Every place a hidden card lies: the face-down deck positions and the stocks' filled slots.
std::vector<int*> HiddenPlaces(Game& g)
{
    std::vector<int*> places;
    for (int p = 1; p <= PileCount; ++p)
        for (int k = 1; k <= g.TableauFaceDown(p); ++k)
            if (const int pos = FaceDownPosition(p, k)) places.push_back(&g.Deck(pos));
    for (int s = 1; s <= 2; ++s)
        for (int i = 1; i <= HandSlots; ++i)
            if (g.Stock(s, i) != 0) places.push_back(&g.Stock(s, i));
    return places;
}

} // namespace

std::uint64_t VisibleKey(const Game& g)
{
    KeyMix k;
    for (int s = 1; s <= 2; ++s) {
        for (int i = 1; i <= HandSlots; ++i) k.Add(g.Waste(s, i));
        k.Add(g.WasteCount(s)), k.Add(g.WasteFan(s)), k.Add(StockCards(g, s));
        k.Add(g.StockPos(s)), k.Add(g.StockEmpty(s));
    }
    for (int p = 1; p <= PileCount; ++p) {
        for (int i = 1; i <= PileSlots; ++i) k.Add(g.Tableau(p, i));
        k.Add(g.TableauFaceDown(p));
    }
    for (int f = 1; f <= FoundationCount; ++f) k.Add(g.Foundation(f, FoundSuit)), k.Add(g.Foundation(f, FoundTop));
    k.Add(g.FlippedCard), k.Add(g.cfg.FlipNum);
    return k.h;
}

void DealUnseen(Game& g, std::uint64_t seed)
{
    bool seen[54] = {};
    MarkSeen(g, seen);
    std::vector<int> unseen;
    for (int c = 2; c <= 53; ++c)
        if (!seen[c]) unseen.push_back(c);
    const std::vector<int*> places = HiddenPlaces(g);
    // A position that does not hold every card once still gets a card in each hidden place.
    if (unseen.empty()) unseen.push_back(2);
    while (unseen.size() < places.size()) unseen.push_back(unseen[unseen.size() % unseen.size()]);
    SplitMix rng{seed};
    for (int i = static_cast<int>(unseen.size()) - 1; i > 0; --i) std::swap(unseen[i], unseen[rng.Below(i + 1)]);
    for (std::size_t i = 0; i < places.size(); ++i) *places[i] = unseen[i];
}

} // namespace tandrel
