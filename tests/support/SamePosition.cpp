#include "support/SamePosition.h"

#include <string>
#include <vector>

namespace tandrel::testing {

namespace {

std::vector<int> StockToCome(const Game& g, int side)
{
    std::vector<int> cards;
    for (int i = 1; i <= 42; ++i)
        if (g.Stock(side, i) != 0) cards.push_back(g.Stock(side, i));
    return cards;
}

} // namespace

::testing::AssertionResult SamePosition(const Game& a, const Game& b)
{
    auto differ = [](const std::string& what) { return ::testing::AssertionFailure() << what << " differs"; };
    if (!(a.Waste == b.Waste)) return differ("Waste");
    if (!(a.WasteCount == b.WasteCount)) return differ("WasteCount");
    if (!(a.WasteCards == b.WasteCards)) return differ("WasteCards");
    if (!(a.CardsLeft == b.CardsLeft)) return differ("CardsLeft");
    if (!(a.StockLevel == b.StockLevel)) return differ("StockLevel");
    if (!(a.StockEmpty == b.StockEmpty)) return differ("StockEmpty");
    if (!(a.StockPasses == b.StockPasses)) return differ("StockPasses");
    if (!(a.Foundation == b.Foundation)) return differ("Foundation");
    if (!(a.Tableau == b.Tableau)) return differ("Tableau");
    if (!(a.TableauTop == b.TableauTop)) return differ("TableauTop");
    if (!(a.TableauFaceDown == b.TableauFaceDown)) return differ("TableauFaceDown");
    for (int s = 1; s <= 2; ++s) {
        if (StockToCome(a, s) != StockToCome(b, s)) return differ("stock of side " + std::to_string(s));
        // The next flip must take the same card.
        if (a.StockPos(s) != b.StockPos(s) && a.Stock == b.Stock) return differ("StockPos");
    }
    return ::testing::AssertionSuccess();
}

} // namespace tandrel::testing
