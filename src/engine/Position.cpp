#include "engine/Position.h"

#include <array>

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

struct Fault {
    std::string* why;
    bool operator()(const std::string& text) const
    {
        if (why) *why = text;
        return false;
    }
};

int FirstOfSuit(int suit)
{
    return AceOfSuit(suit) - 12;
}

} // namespace

bool CheckPosition(const Game& g, std::string* why)
{
    const Fault fail{why};
    std::array<int, 54> seen{};
    auto count = [&](int code, const char* where) -> bool {
        if (code == 0) return true;
        if (!IsCard(code)) return fail(std::string("not a card code in ") + where + ": " + std::to_string(code));
        if (++seen[code] > 1) return fail("card " + std::to_string(code) + " twice (again in " + where + ")");
        return true;
    };

    for (int s = 1; s <= 2; ++s) {
        int stock = 0, waste = 0;
        for (int i = 1; i <= 42; ++i) {
            if (!count(g.Stock(s, i), "stock")) return false;
            if (!count(g.Waste(s, i), "waste")) return false;
            stock += g.Stock(s, i) != 0;
            waste += g.Waste(s, i) != 0;
        }
        const std::string side = " of side " + std::to_string(s);
        if (g.CardsLeft(s) != stock + waste) return fail("CardsLeft" + side + " is not its stock and waste");
        if (g.WasteCards(s) != waste) return fail("WasteCards" + side + " is not its waste");
        const int wc = g.WasteCount(s);
        if (wc < 0 || wc > 42) return fail("WasteCount" + side + " out of range");
        if (wc > 0 && g.Waste(s, wc) == 0) return fail("waste top" + side + " is a hole");
        for (int i = wc + 1; i <= 42; ++i)
            if (g.Waste(s, i) != 0) return fail("a waste card" + side + " above WasteCount");
        if (g.StockPos(s) < 0 || g.StockPos(s) > 43) return fail("StockPos" + side + " out of range");
        if (g.WasteFan(s) < 0 || g.WasteFan(s) > 3) return fail("WasteFan" + side + " out of range");
        if (g.StockPasses(s) < 0) return fail("StockPasses" + side + " negative");
    }

    for (int p = 1; p <= 4; ++p) {
        const std::string pile = " of pile " + std::to_string(p);
        const int fd = g.TableauFaceDown(p);
        if (fd < 0 || fd > p - 1) return fail("TableauFaceDown" + pile + " out of range");
        for (int k = 1; k <= fd; ++k)
            if (!count(g.Deck(FaceDownPosition(p, k)), "face-down cards")) return false;
        int up = 0;
        while (up < 12 && g.Tableau(p, up + 1) != 0) ++up;
        for (int k = 1; k <= 12; ++k) {
            if (k > up && g.Tableau(p, k) != 0) return fail("a gap in the face-up cards" + pile);
            if (!count(g.Tableau(p, k), "tableau")) return false;
        }
        for (int k = 2; k <= up; ++k) {
            const int below = g.Tableau(p, k - 1), card = g.Tableau(p, k);
            if (CardRank(below) - CardRank(card) != 1 || !OppositeColors(below, card))
                return fail("a card out of sequence" + pile);
        }
        const int top = g.TableauTop(p, 1), y = g.TableauTop(p, 3);
        if (g.TableauTop(p, 2) != PileX(p)) return fail("top x" + pile);
        if (up > 0) {
            if (top != g.Tableau(p, up)) return fail("TableauTop" + pile + " is not its top card");
            if (y != 120 + 5 * fd + 20 * (up - 1)) return fail("top y" + pile);
        } else if (fd > 0) {
            if (top != TurnUpPending || y != 120 + 5 * (fd - 1)) return fail("pending turn-up" + pile);
        } else if (top != EmptyPileCode || y != 100) {
            return fail("empty pile" + pile);
        }
    }

    std::array<bool, 5> suitUsed{};
    for (int f = 1; f <= 4; ++f) {
        const int suit = g.Foundation(f, 1), top = g.Foundation(f, 2);
        const std::string fnd = " of foundation " + std::to_string(f);
        if (suit == 0) {
            if (top != 0) return fail("a top on an empty foundation" + std::to_string(f));
            continue;
        }
        if (suit < 1 || suit > 4 || suitUsed[suit]) return fail("suit" + fnd);
        suitUsed[suit] = true;
        const int ace = AceOfSuit(suit), first = FirstOfSuit(suit);
        if (top != ace - 13 && (top < first || top > first + 11)) return fail("top" + fnd);
        if (!count(ace, "foundation")) return false;
        for (int c = first; top != ace - 13 && c <= top; ++c)
            if (!count(c, "foundation")) return false;
    }

    for (int c = 2; c <= 53; ++c)
        if (seen[c] != 1) return fail("card " + std::to_string(c) + " is missing");
    return true;
}

} // namespace tandrel
