#include "engine/Position.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "engine/Cards.h"
#include "engine/Moves.h"

namespace tandrel {

int FaceDownPosition(int pile, int k)
{
    switch (pile * 10 + k) {
    case 21: return 3;
    case 31: return 4;
    case 32: return 7;
    case 41: return 5;
    case 42: return 8;
    case 43: return 10;
    default: return 0;
    }
}

namespace {

// What is wrong, as text pieces around a number: nothing is built unless a
// fault is found, since the self-play soak asks after every single action.
struct Fault {
    const char* before = nullptr;
    int number = 0;
    const char* after = "";
};

constexpr std::uint64_t EveryCard = ((std::uint64_t{1} << 54) - 1) & ~std::uint64_t{3};

// Adds card code to cards; false for a code that is no card, or a card already there.
bool Take(std::uint64_t& cards, int code)
{
    if (!IsCard(code)) return false;
    const std::uint64_t bit = std::uint64_t{1} << code;
    if (cards & bit) return false;
    cards |= bit;
    return true;
}

// The rules of a hand row whose stock and waste each hold only cards, once,
// the waste none from slot wasteEnd on (counted from 0).
Fault HandFault(const Game& g, int s, std::uint64_t stock, std::uint64_t waste, int wasteEnd, std::uint64_t& cards)
{
    const int wc = g.WasteCount(s);
    if (wc < 0 || wc > HandSlots) return {"WasteCount of side ", s, " out of range"};
    if (stock & waste) return {"a card in both the stock and the waste of side ", s};
    if (wasteEnd > wc) return {"a waste card of side ", s, " above WasteCount"};
    if (wc > 0 && g.Waste(s, wc) == 0) return {"the waste top of side ", s, " is a hole"};
    if (g.StockPos(s) < 0 || g.StockPos(s) > HandSlots + 1) return {"StockPos of side ", s, " out of range"};
    if (g.WasteFan(s) < 0 || g.WasteFan(s) > 3) return {"WasteFan of side ", s, " out of range"};
    if (g.StockPasses(s) < 0) return {"StockPasses of side ", s, " negative"};
    cards = stock | waste;
    return {};
}

Fault PileFault(const Game& g, int p, std::uint64_t& cards)
{
    const int fd = g.TableauFaceDown(p);
    if (fd < 0 || fd > p - 1) return {"TableauFaceDown of pile ", p, " out of range"};
    std::uint64_t bits = 0;
    for (int k = 1; k <= fd; ++k) {
        const int card = g.Deck(FaceDownPosition(p, k));
        if (card != 0 && !Take(bits, card)) return {"a face-down card of pile ", p, " twice or none"};
    }
    int up = 0;
    const int* pile = g.Tableau.row(p);
    for (int k = 1; k <= PileSlots; ++k) {
        const int card = pile[k - 1];
        if (card == 0) continue;
        if (up != k - 1) return {"a gap in the face-up cards of pile ", p};
        if (!Take(bits, card)) return {"a card twice, or no card, in pile ", p};
        ++up;
    }
    for (int k = 2; k <= up; ++k) {
        const int below = pile[k - 2], card = pile[k - 1];
        if (!GoesOnCard(card, below)) return {"a card out of sequence in pile ", p};
    }
    cards = bits;
    return {};
}

Fault FoundationsFault(const Game& g, std::uint64_t& cards)
{
    std::uint64_t bits = 0;
    unsigned suitsUsed = 0;
    for (int f = 1; f <= FoundationCount; ++f) {
        const int suit = g.Foundation(f, FoundSuit), top = g.Foundation(f, FoundTop);
        if (suit == 0) {
            if (top != 0) return {"a top on the empty foundation ", f};
            continue;
        }
        if (suit < 1 || suit > 4 || (suitsUsed & (1u << suit))) return {"the suit of foundation ", f};
        suitsUsed |= 1u << suit;
        const int ace = AceOfSuit(suit), two = ace - 12;
        if (top != ace - 13 && (top < two || top > two + 11)) return {"the top of foundation ", f};
        // A suit's cards never meet another suit's, so the ace and the run from
        // the two are new cards.
        bits |= std::uint64_t{1} << ace;
        if (top != ace - 13) bits |= ((std::uint64_t{2} << top) - 1) & ~((std::uint64_t{1} << two) - 1);
    }
    cards = bits;
    return {};
}

// The regions together: no card in two of them, none in none.
Fault CardsFault(const std::uint64_t (&cards)[RegionCount])
{
    static const char* const alsoIn[RegionCount] = {
        " in two places, one the hand of side 1", " in two places, one the hand of side 2",
        " in two places, one pile 1", " in two places, one pile 2", " in two places, one pile 3",
        " in two places, one pile 4", " in two places, one a foundation"};
    std::uint64_t seen = 0;
    for (int r = 0; r < RegionCount; ++r) {
        if (const std::uint64_t twice = seen & cards[r]) return {"card ", std::countr_zero(twice), alsoIn[r]};
        seen |= cards[r];
    }
    if (seen != EveryCard) return {"card ", std::countr_zero(EveryCard & ~seen), " is missing"};
    return {};
}

bool Report(const Fault& f, std::string* why)
{
    if (!f.before) return true;
    if (why) *why = f.before + std::to_string(f.number) + f.after;
    return false;
}

// The C library's compare is the fastest at hand for whole rows, which are
// nearly always equal.
bool Same(const int* a, const int* b, int n)
{
    return std::memcmp(a, b, static_cast<std::size_t>(n) * sizeof(int)) == 0;
}

// Which rows of a two-row array differ from the copy: bit 0 the first, bit 1 the second.
unsigned RowsChanged(const int* now, const int* copy)
{
    if (Same(now, copy, 84)) return 0;
    if (Same(now, copy, 42)) return 2;
    return Same(now + 42, copy + 42, 42) ? 1 : 3;
}

std::uint64_t Pair(const int* slots, int i)
{
    std::uint64_t pair;
    std::memcpy(&pair, slots + i, sizeof pair);
    return pair;
}

} // namespace

// Brings the copy of a row of HandSlots slots up to date, and what it holds: the
// cards of the changed slots leave, then the new ones come, so that one moving
// along the row is not taken for a second copy of itself. False for a new code
// that is no card, or a card already in the row.
bool RegionCheck::Follow(const int* now, int* slots, Row& row)
{
    // The pairs of slots that changed, found eight slots at a time, as few
    // change: bit j for slots 2j and 2j + 1.
    std::uint32_t pairs = 0;
    for (int from = 0; from < HandSlots; from += 8) {
        std::uint64_t diff[4] = {};
        for (int k = 0; k < 4 && from + 2 * k < HandSlots; ++k) diff[k] = Pair(now, from + 2 * k) ^ Pair(slots, from + 2 * k);
        if ((diff[0] | diff[1] | diff[2] | diff[3]) == 0) continue;
        for (int k = 0; k < 4; ++k) pairs |= std::uint32_t(diff[k] != 0) << (from / 2 + k);
    }
    for (std::uint32_t left = pairs; left != 0; left &= left - 1)
        for (int i = 2 * std::countr_zero(left); i < 2 * std::countr_zero(left) + 2; ++i)
            if (now[i] != slots[i] && slots[i] != 0) {
                row.cards &= ~(std::uint64_t{1} << (slots[i] & 63));
                --row.count;
            }
    bool sound = true;
    for (std::uint32_t left = pairs; left != 0; left &= left - 1)
        for (int i = 2 * std::countr_zero(left); i < 2 * std::countr_zero(left) + 2; ++i)
            if (now[i] != slots[i]) {
                slots[i] = now[i];
                if (now[i] == 0) continue;
                if (!Take(row.cards, now[i])) sound = false;
                ++row.count;
                row.end = std::max(row.end, i + 1);
            }
    while (row.end > 0 && slots[row.end - 1] == 0) --row.end;
    return sound;
}

bool CheckPosition(const Game& g, std::string* why)
{
    return RegionCheck().Start(g, why);
}

inline RegionCheck::Counters RegionCheck::CountersOf(const Game& g, int s)
{
    return {g.StockPos(s), g.StockLevel(s), int(g.StockEmpty(s)), g.StockPasses(s), g.WasteCount(s), g.WasteFan(s)};
}

bool RegionCheck::Start(const Game& g, std::string* why)
{
    *this = RegionCheck(); // every row is followed from empty
    changed_ = (1u << RegionCount) - 1;
    rowsChanged_ = 15;
    return Look(g, why);
}

bool RegionCheck::Recheck(const Game& g, std::string* why)
{
    const unsigned stock = RowsChanged(g.Stock.row(1), stock_.row(1));
    const unsigned waste = RowsChanged(g.Waste.row(1), waste_.row(1));
    unsigned changed = 0;
    for (int s = 1; s <= 2; ++s) {
        const bool rows = ((stock | waste) >> (s - 1)) & 1;
        changed |= unsigned(rows || !(CountersOf(g, s) == counters_[s - 1])) << HandRegion(s);
    }

    // The face-down cards lie in the deck, so each pile's places there belong to it.
    bool piles = Same(g.Tableau.row(1), tableau_.row(1), 48) && Same(&g.TableauFaceDown(1), &faceDown_(1), 4);
    for (const int at : {3, 4, 5, 7, 8, 10}) piles = piles && g.Deck(at) == faceDownDeck_(at);
    for (int p = 1; p <= PileCount && !piles; ++p) {
        bool same = g.TableauFaceDown(p) == faceDown_(p) && Same(g.Tableau.row(p), tableau_.row(p), 12);
        for (int k = 1; k < p; ++k)
            same = same && g.Deck(FaceDownPosition(p, k)) == faceDownDeck_(FaceDownPosition(p, k));
        changed |= unsigned(!same) << PileRegion(p);
    }
    changed |= unsigned(!Same(g.Foundation.row(1), foundation_.row(1), 8)) << FoundationRegion;
    changed_ = changed;
    rowsChanged_ = stock | waste << 2;
    return changed == 0 || Look(g, why);
}

bool RegionCheck::Look(const Game& g, std::string* why)
{
    for (int s = 1; s <= 2; ++s) {
        if (!(changed_ & (1u << HandRegion(s)))) continue;
        counters_[s - 1] = CountersOf(g, s);
        Row& stock = stockRows_[s - 1];
        Row& waste = wasteRows_[s - 1];
        const unsigned rows = rowsChanged_ >> (s - 1);
        Fault f;
        if ((rows & 1) && !Follow(g.Stock.row(s), &stock_(s, 1), stock))
            f = {"a card twice, or no card, in the stock of side ", s};
        else if ((rows & 4) && !Follow(g.Waste.row(s), &waste_(s, 1), waste))
            f = {"a card twice, or no card, in the waste of side ", s};
        else
            f = HandFault(g, s, stock.cards, waste.cards, waste.end, cards_[HandRegion(s)]);
        if (f.before) return Report(f, why);
    }
    for (int p = 1; p <= PileCount; ++p) {
        if (!(changed_ & (1u << PileRegion(p)))) continue;
        faceDown_(p) = g.TableauFaceDown(p);
        for (int k = 1; k < p; ++k) faceDownDeck_(FaceDownPosition(p, k)) = g.Deck(FaceDownPosition(p, k));
        for (int k = 1; k <= PileSlots; ++k) tableau_(p, k) = g.Tableau(p, k);
        if (const Fault f = PileFault(g, p, cards_[PileRegion(p)]); f.before) return Report(f, why);
    }
    if (changed_ & (1u << FoundationRegion)) {
        foundation_ = g.Foundation;
        if (const Fault f = FoundationsFault(g, cards_[FoundationRegion]); f.before) return Report(f, why);
    }
    return Report(CardsFault(cards_), why);
}

} // namespace tandrel
