#include "support/Positions.h"

#include <array>

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "engine/Position.h"
#include "engine/Slide.h"

namespace tandrel::testing {

void ClearTable(Game& g)
{
    g.Stock.fill(0);
    g.Waste.fill(0);
    g.StockPos.fill(0);
    g.StockLevel.fill(42);
    g.StockEmpty.fill(false);
    g.StockPasses.fill(0);
    g.WasteCount.fill(0);
    g.WasteCards.fill(0);
    g.WasteFan.fill(1);
    g.CardsLeft.fill(0);
    g.Foundation.fill(0);
    g.Tableau.fill(0);
    g.TableauFaceDown.fill(0);
    g.Deck.fill(0);
    for (int p = 1; p <= 4; ++p) {
        g.TableauTop(p, TopCard) = EmptyPileCode;
        g.TableauTop(p, TopX) = PileX(p);
        g.TableauTop(p, TopY) = 100;
    }
    g.GameOver = false;
    g.ComputerBusy = g.FlipInProgress = false;
    g.FlippedCard = g.LastTurnCard = g.DragCard = 0;
    g.UndoRecord.clear();
    g.DealString.clear();
}

void SetPile(Game& g, int p, const std::vector<int>& faceDown, const std::vector<int>& faceUp)
{
    g.TableauFaceDown(p) = static_cast<int>(faceDown.size());
    for (int k = 1; k <= 3; ++k)
        if (const int pos = FaceDownPosition(p, k)) g.Deck(pos) = k <= g.TableauFaceDown(p) ? faceDown[k - 1] : 0;
    int k = 0;
    g.TableauTop(p, TopX) = PileX(p);
    for (int s = 1; s <= 12; ++s) g.Tableau(p, s) = 0;
    for (int c : faceUp) g.Tableau(p, ++k) = c;
    const int fd = g.TableauFaceDown(p);
    if (k > 0) {
        g.TableauTop(p, TopCard) = g.Tableau(p, k);
        g.TableauTop(p, TopY) = 120 + 5 * fd + 20 * (k - 1);
    } else if (fd > 0) {
        g.TableauTop(p, TopCard) = TurnUpPending;
        g.TableauTop(p, TopY) = 120 + 5 * (fd - 1);
    } else {
        g.TableauTop(p, TopCard) = EmptyPileCode;
        g.TableauTop(p, TopY) = 100;
    }
}

void SetWaste(Game& g, int side, const std::vector<int>& cards, int fan)
{
    int k = 0;
    for (int i = 1; i <= 42; ++i) g.Waste(side, i) = 0;
    for (int c : cards) g.Waste(side, ++k) = c;
    g.WasteCount(side) = k;
    g.WasteCards(side) = k;
    g.WasteFan(side) = fan;
    RecountHands(g);
}

void SetStock(Game& g, int side, const std::vector<int>& cards)
{
    int k = 0;
    for (int i = 1; i <= 42; ++i) g.Stock(side, i) = 0;
    for (int c : cards) g.Stock(side, ++k) = c;
    g.StockPos(side) = 0;
    RecountHands(g);
}

void SetFoundation(Game& g, int f, int topCard)
{
    g.Foundation(f, FoundSuit) = 0;
    g.Foundation(f, FoundTop) = 0;
    PlaceOnFoundation(g, f, AceOfSuit(CardSuit(topCard)));
    if (CardRank(topCard) != 1) g.Foundation(f, FoundTop) = topCard;
}

void RecountHands(Game& g)
{
    for (int s = 1; s <= 2; ++s) {
        int n = 0;
        for (int i = 1; i <= 42; ++i) n += (g.Stock(s, i) != 0) + (g.Waste(s, i) != 0);
        g.CardsLeft(s) = n;
    }
}

void ParkRest(Game& g, int side)
{
    std::array<bool, 54> used{};
    for (int s = 1; s <= 2; ++s)
        for (int i = 1; i <= 42; ++i) used[g.Stock(s, i)] = used[g.Waste(s, i)] = true;
    for (int p = 1; p <= 4; ++p) {
        for (int k = 1; k <= 12; ++k) used[g.Tableau(p, k)] = true;
        for (int k = 1; k <= g.TableauFaceDown(p); ++k) used[g.Deck(FaceDownPosition(p, k))] = true;
    }
    for (int f = 1; f <= 4; ++f) {
        const int suit = g.Foundation(f, FoundSuit);
        if (suit == 0) continue;
        used[AceOfSuit(suit)] = true;
        for (int c = AceOfSuit(suit) - 12; c <= g.Foundation(f, FoundTop); ++c) used[c] = true;
    }
    // Fill side's stock after its last card, then the other side's if it runs out of slots.
    for (int s : {side, side == 1 ? 2 : 1}) {
        int slot = 0;
        for (int i = 1; i <= 42; ++i)
            if (g.Stock(s, i) != 0) slot = i;
        for (int c = 2; c <= 53 && slot < 42; ++c)
            if (!used[c]) {
                g.Stock(s, ++slot) = c;
                used[c] = true;
            }
    }
    RecountHands(g);
}

void PositionTest::Done()
{
    ParkRest(g, 2);
    ASSERT_TRUE(Sound());
}

::testing::AssertionResult PositionTest::Sound() const
{
    std::string why;
    if (CheckPosition(g, &why)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << why;
}

void PositionTest::DragWasteTopTo(int x, int y)
{
    g.view->SnapshotTable();
    RemoveWasteTop(g, 1);
    g.DragRect = RectAt(x, y, 73, 97);
}

} // namespace tandrel::testing
