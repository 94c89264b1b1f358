#include "support/Positions.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <sstream>

#include "engine/Cards.h"
#include "engine/Moves.h"
#include "engine/Position.h"

namespace tandrel::testing {

namespace {

// Pieces of text between separators, trimmed.
std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::istringstream in(text);
    for (std::string part; std::getline(in, part, separator);) {
        const auto first = part.find_first_not_of(' ');
        parts.push_back(first == std::string::npos ? "" : part.substr(first, part.find_last_not_of(' ') - first + 1));
    }
    return parts;
}

// Card names separated by blanks; "-" is none and "." a hole.
std::vector<int> Cards(const std::string& names)
{
    std::vector<int> cards;
    for (const std::string& name : Split(names, ' '))
        if (!name.empty() && name != "-") cards.push_back(name == "." ? 0 : Card(name));
    return cards;
}

// A card as rank and suit letters.
std::string Name(int card)
{
    if (!IsCard(card)) return "?" + std::to_string(card);
    return {"A23456789TJQK"[CardRank(card) - 1], "cdhs"[CardSuit(card) - 1]};
}

std::string Names(const std::vector<int>& cards)
{
    std::string text;
    for (int c : cards) text += (text.empty() ? "" : " ") + (c ? Name(c) : ".");
    return text;
}

// Face-down cards bottom first (pile p holds at most p - 1), then the face-up run.
void SetPile(Game& g, int p, const std::vector<int>& faceDown, const std::vector<int>& faceUp)
{
    const int fd = g.TableauFaceDown(p) = static_cast<int>(faceDown.size());
    for (int k = 1; k <= 3; ++k)
        if (const int pos = FaceDownPosition(p, k)) g.Deck(pos) = k <= fd ? faceDown[k - 1] : 0;
    const int k = static_cast<int>(faceUp.size());
    for (int s = 1; s <= 12; ++s) g.Tableau(p, s) = s <= k ? faceUp[s - 1] : 0;
}

// A side's waste bottom first, with fan cards showing.
void SetWaste(Game& g, int side, const std::vector<int>& cards, int fan = 1)
{
    const int k = static_cast<int>(cards.size());
    for (int i = 1; i <= HandSlots; ++i) g.Waste(side, i) = i <= k ? cards[i - 1] : 0;
    g.WasteCount(side) = k;
    g.WasteFan(side) = fan;
}

} // namespace

std::string Table(const Game& g)
{
    std::string text;
    for (int p = 1; p <= 4; ++p) {
        std::vector<int> down, up;
        for (int k = 1; k <= g.TableauFaceDown(p); ++k) down.push_back(g.Deck(FaceDownPosition(p, k)));
        for (int k = 1; k <= 12 && g.Tableau(p, k); ++k) up.push_back(g.Tableau(p, k));
        std::string pile = down.empty() ? "" : "[" + Names(down) + "]";
        if (!up.empty()) pile += (pile.empty() ? "" : " ") + Names(up);
        text += (p > 1 ? " | " : "") + (pile.empty() ? "-" : pile);
    }
    text += " ;";
    for (int f = 1; f <= 4; ++f) text += " " + (g.Foundation(f, FoundSuit) ? Name(FoundationTopCard(g, f)) : "-");
    for (int s = 1; s <= 2; ++s) {
        std::vector<int> waste;
        for (int i = 1; i <= g.WasteCount(s); ++i) waste.push_back(g.Waste(s, i));
        text += " ; " + (waste.empty() ? "-" : Names(waste)) + " (" + std::to_string(g.WasteFan(s)) + ")";
    }
    return text;
}

void Lay(Game& g, const std::string& text)
{
    g.Stock.fill(0);
    g.StockPos.fill(0);
    g.StockLevel.fill(42);
    g.StockEmpty.fill(false);
    g.StockPasses.fill(0);
    g.Foundation.fill(0);
    g.Deck.fill(0);
    g.GameOver = g.ComputerBusy = g.FlipInProgress = false;
    g.FlippedCard = g.DragCard = 0;
    g.FlipsThisTurn = 1; // a turn in progress, free to end
    g.Undo.reset();
    g.History.Clear();
    g.DealString.clear();

    std::vector<std::string> parts = Split(text, ';');
    parts.resize(4);
    const std::vector<std::string> piles = Split(parts[0], '|');
    for (int p = 1; p <= 4; ++p) {
        const std::string pile = piles.at(static_cast<std::size_t>(p - 1));
        const auto close = pile.find(']');
        const std::string down = close == std::string::npos ? "" : pile.substr(1, close - 1);
        const std::string up = pile.substr(close == std::string::npos ? 0 : close + 1);
        SetPile(g, p, Cards(down), Cards(up));
    }
    const std::vector<std::string> tops = Split(parts[1], ' ');
    for (int f = 1; f <= static_cast<int>(tops.size()); ++f) // each from its ace up to the card named
        if (const int top = Card(tops[f - 1]); top > 0) {
            PlaceOnFoundation(g, f, AceOfSuit(CardSuit(top)));
            if (CardRank(top) != 1) g.Foundation(f, FoundTop) = top;
        }
    for (int side = 1; side <= 2; ++side) {
        const std::string& waste = parts[static_cast<std::size_t>(1 + side)];
        const auto fan = waste.find('(');
        SetWaste(g, side, Cards(waste.substr(0, fan)), fan == std::string::npos ? 1 : std::stoi(waste.substr(fan + 1)));
    }
}

void SetCardsLeft(Game& g, int side, int n)
{
    const int stock = std::max(0, n - WasteCards(g, side));
    for (int k = 1; k <= HandSlots; ++k) g.Stock(side, k) = k <= stock ? 2 + (k - 1) % 52 : 0;
}

void SetStock(Game& g, int side, const std::vector<int>& cards)
{
    const int k = static_cast<int>(cards.size());
    for (int i = 1; i <= 42; ++i) g.Stock(side, i) = i <= k ? cards[i - 1] : 0;
    g.StockPos(side) = 0;
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
    for (int s : {side, OtherSide(side)}) {
        int slot = 0;
        for (int i = 1; i <= 42; ++i)
            if (g.Stock(s, i) != 0) slot = i;
        for (int c = 2; c <= 53 && slot < 42; ++c)
            if (!used[c]) g.Stock(s, ++slot) = c, used[c] = true;
    }
}

::testing::AssertionResult Sound(const Game& g)
{
    std::string why;
    if (CheckPosition(g, &why)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << why;
}

namespace {

std::vector<int> StockToCome(const Game& g, int side)
{
    std::vector<int> cards;
    for (int i = 1; i <= 42; ++i)
        if (g.Stock(side, i) != 0) cards.push_back(g.Stock(side, i));
    return cards;
}

struct Part {
    const char* name;
    bool same;
};

::testing::AssertionResult FirstDifference(std::initializer_list<Part> parts)
{
    for (const Part& p : parts)
        if (!p.same) return ::testing::AssertionFailure() << p.name << " differs";
    return ::testing::AssertionSuccess();
}

} // namespace

#define SAME(part) Part{#part, a.part == b.part}

::testing::AssertionResult SamePosition(const Game& a, const Game& b)
{
    bool stockToCome = true, nextFlip = true;
    for (int s = 1; s <= 2; ++s) {
        stockToCome = stockToCome && StockToCome(a, s) == StockToCome(b, s);
        // The next flip must take the same card.
        nextFlip = nextFlip && (a.StockPos(s) == b.StockPos(s) || !(a.Stock == b.Stock));
    }
    return FirstDifference({SAME(Waste), SAME(WasteCount), SAME(StockLevel),
                            SAME(StockEmpty), SAME(StockPasses), SAME(Foundation), SAME(Tableau),
                            SAME(TableauFaceDown), {"stock to come", stockToCome}, {"StockPos", nextFlip}});
}

::testing::AssertionResult SameTable(const Game& a, const Game& b)
{
    return FirstDifference({SAME(Stock), SAME(Waste), SAME(StockPos), SAME(StockLevel), SAME(StockEmpty),
                            SAME(StockPasses), SAME(WasteCount), SAME(WasteFan),
                            SAME(Foundation), SAME(Tableau), SAME(TableauFaceDown), SAME(Deck)});
}

::testing::AssertionResult Unchanged(const Game& a, const Game& b)
{
    if (auto table = SameTable(a, b); !table) return table;
    return FirstDifference({SAME(FlippedCard), SAME(DragCard), SAME(GameOver), SAME(Undo)});
}

#undef SAME

const HeadlessView& ViewOf(const Game& g)
{
    return dynamic_cast<const HeadlessView&>(*g.view);
}

std::vector<Slide> Slides(const HeadlessView& view)
{
    const auto whole = [](float v) { return v == std::floor(v) ? static_cast<int>(v) : INT_MIN; };
    std::vector<Slide> slides;
    for (const SlideRecord& s : view.slides) slides.push_back({whole(s.x), whole(s.y), whole(s.targetX), whole(s.targetY)});
    return slides;
}

TestGame::TestGame()
{
    g.cfg.Animate = 0;
    Lay(g, "- | - | - | -");
}

} // namespace tandrel::testing
