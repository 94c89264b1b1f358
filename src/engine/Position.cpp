#include "engine/Position.h"

#include <cstdint>

#include "engine/Cards.h"

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

// The cards seen so far, one bit per code.
class Seen {
public:
    // False for a code that is no card, or a card seen before.
    bool Take(int code)
    {
        if (code == 0) return true;
        if (!IsCard(code)) return false;
        const std::uint64_t bit = std::uint64_t{1} << code;
        if (bits_ & bit) return false;
        bits_ |= bit;
        return true;
    }
    // Every card from..to at once; false when one of them was seen before.
    bool TakeRun(int from, int to)
    {
        if (to < from) return true;
        const std::uint64_t run = ((std::uint64_t{2} << to) - 1) & ~((std::uint64_t{1} << from) - 1);
        if (bits_ & run) return false;
        bits_ |= run;
        return true;
    }
    // The first card of 2..53 not seen, or 0 when every card was.
    int Missing() const
    {
        constexpr std::uint64_t everyCard = ((std::uint64_t{1} << 54) - 1) & ~std::uint64_t{3};
        if (bits_ == everyCard) return 0;
        for (int c = 2; c <= 53; ++c)
            if (!(bits_ & (std::uint64_t{1} << c))) return c;
        return 0;
    }

private:
    std::uint64_t bits_ = 0;
};

Fault HandFault(const Game& g, int s, Seen& seen)
{
    const int wc = g.WasteCount(s);
    if (wc < 0 || wc > 42) return {"WasteCount of side ", s, " out of range"};
    int stock = 0, waste = 0;
    const int* stockRow = g.Stock.row(s);
    const int* wasteRow = g.Waste.row(s);
    for (int i = 1; i <= 42; ++i) {
        const int st = stockRow[i - 1], wa = wasteRow[i - 1];
        if ((st | wa) == 0) continue; // most slots are empty
        if (!seen.Take(st)) return {"a card twice, or no card, in the stock of side ", s};
        if (!seen.Take(wa)) return {"a card twice, or no card, in the waste of side ", s};
        if (i > wc && wa != 0) return {"a waste card of side ", s, " above WasteCount"};
        stock += st != 0;
        waste += wa != 0;
    }
    if (g.CardsLeft(s) != stock + waste) return {"CardsLeft of side ", s, " is not its stock and waste"};
    if (g.WasteCards(s) != waste) return {"WasteCards of side ", s, " is not its waste"};
    if (wc > 0 && g.Waste(s, wc) == 0) return {"the waste top of side ", s, " is a hole"};
    if (g.StockPos(s) < 0 || g.StockPos(s) > 43) return {"StockPos of side ", s, " out of range"};
    if (g.WasteFan(s) < 0 || g.WasteFan(s) > 3) return {"WasteFan of side ", s, " out of range"};
    if (g.StockPasses(s) < 0) return {"StockPasses of side ", s, " negative"};
    return {};
}

Fault PileFault(const Game& g, int p, Seen& seen)
{
    const int fd = g.TableauFaceDown(p);
    if (fd < 0 || fd > p - 1) return {"TableauFaceDown of pile ", p, " out of range"};
    for (int k = 1; k <= fd; ++k)
        if (!seen.Take(g.Deck(FaceDownPosition(p, k)))) return {"a face-down card of pile ", p, " twice or none"};
    int up = 0;
    const int* pile = g.Tableau.row(p);
    for (int k = 1; k <= 12; ++k) {
        const int card = pile[k - 1];
        if (card == 0) continue;
        if (up != k - 1) return {"a gap in the face-up cards of pile ", p};
        if (!seen.Take(card)) return {"a card twice, or no card, in pile ", p};
        ++up;
    }
    for (int k = 2; k <= up; ++k) {
        const int below = g.Tableau(p, k - 1), card = g.Tableau(p, k);
        if (CardRank(below) - CardRank(card) != 1 || !OppositeColors(below, card))
            return {"a card out of sequence in pile ", p};
    }
    const int top = g.TableauTop(p, 1), y = g.TableauTop(p, 3);
    if (g.TableauTop(p, 2) != PileX(p)) return {"the top x of pile ", p};
    if (up > 0) {
        if (top != g.Tableau(p, up)) return {"TableauTop of pile ", p, " is not its top card"};
        if (y != 120 + 5 * fd + 20 * (up - 1)) return {"the top y of pile ", p};
    } else if (fd > 0) {
        // Saved games written by older copies keep a run's pending top 5 pixels
        // lower; the card back is drawn from the count either way.
        if (top != TurnUpPending || (y != 120 + 5 * (fd - 1) && y != 120 + 5 * fd))
            return {"the pending turn-up of pile ", p};
    } else if (top != EmptyPileCode || y != 100) {
        return {"the empty pile ", p};
    }
    return {};
}

Fault FoundationFault(const Game& g, int f, Seen& seen, unsigned& suitsUsed)
{
    const int suit = g.Foundation(f, 1), top = g.Foundation(f, 2);
    if (suit == 0) return top == 0 ? Fault{} : Fault{"a top on the empty foundation ", f};
    if (suit < 1 || suit > 4 || (suitsUsed & (1u << suit))) return {"the suit of foundation ", f};
    suitsUsed |= 1u << suit;
    const int ace = AceOfSuit(suit), two = ace - 12;
    if (top != ace - 13 && (top < two || top > two + 11)) return {"the top of foundation ", f};
    if (!seen.Take(ace)) return {"the ace of foundation ", f, " twice"};
    if (top != ace - 13 && !seen.TakeRun(two, top)) return {"a card of foundation ", f, " twice"};
    return {};
}

Fault FindFault(const Game& g)
{
    Seen seen;
    for (int s = 1; s <= 2; ++s)
        if (const Fault f = HandFault(g, s, seen); f.before) return f;
    for (int p = 1; p <= 4; ++p)
        if (const Fault f = PileFault(g, p, seen); f.before) return f;
    unsigned suitsUsed = 0;
    for (int f = 1; f <= 4; ++f)
        if (const Fault fault = FoundationFault(g, f, seen, suitsUsed); fault.before) return fault;
    if (const int missing = seen.Missing()) return {"card ", missing, " is missing"};
    return {};
}

} // namespace

bool CheckPosition(const Game& g, std::string* why)
{
    const Fault f = FindFault(g);
    if (!f.before) return true;
    if (why) *why = f.before + std::to_string(f.number) + f.after;
    return false;
}

} // namespace tandrel
