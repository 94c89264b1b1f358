#include "engine/Standstill.h"

#include <algorithm>

#include "engine/Cards.h"
#include "engine/Moves.h"

namespace tandrel {

namespace {

constexpr int PassesWithoutProgress = 2;

int CardsHome(const Game& g)
{
    int n = 0;
    for (int f = 1; f <= FoundationCount; ++f) n += CardRank(FoundationTopCard(g, f));
    return n;
}

// What any play changes and a flip does not: the piles' tops, the cards
// face down, the cards home and in each hand.
std::array<int, 11> Tops(const Game& g)
{
    std::array<int, 11> t{};
    for (int p = 1; p <= PileCount; ++p) {
        t[static_cast<std::size_t>(p - 1)] = PileTop(g, p);
        t[static_cast<std::size_t>(p + 3)] = g.TableauFaceDown(p);
    }
    t[8] = CardsHome(g);
    t[9] = CardsLeft(g, 1);
    t[10] = CardsLeft(g, 2);
    return t;
}

} // namespace

void StandstillWatch::Restart(const Game& g)
{
    deal_ = g.DealString;
    dealt_ = g.GamesDealt;
    left_ = {CardsLeft(g, 1), CardsLeft(g, 2)};
    passes_ = {g.StockPasses(1), g.StockPasses(2)};
    home_ = CardsHome(g);
    told_ = showing_ = false;
}

bool StandstillWatch::Update(const Game& g)
{
    // A new deal, or the same one started again: a new game to watch.
    const bool restarted = g.StockPasses(1) == 0 && g.StockPasses(2) == 0 && WasteCards(g, 1) == 0 &&
                           WasteCards(g, 2) == 0 && (passes_[0] > 0 || passes_[1] > 0);
    if (g.DealString != deal_ || g.GamesDealt != dealt_ || restarted) Restart(g);
    const int home = CardsHome(g);
    const bool progress = home > home_ || CardsLeft(g, 1) < left_[0] || CardsLeft(g, 2) < left_[1];
    left_ = {CardsLeft(g, 1), CardsLeft(g, 2)};
    home_ = home;
    for (int s = 0; s < 2; ++s) {
        // A pass taken back counts from where the stock is now.
        const int now = g.StockPasses(s + 1);
        if (progress) passes_[static_cast<std::size_t>(s)] = now;
        passes_[static_cast<std::size_t>(s)] = std::min(passes_[static_cast<std::size_t>(s)], now);
    }
    if (showing_ && (g.GameOver || Tops(g) != tops_)) showing_ = false;
    if (!told_ && !g.GameOver && g.StockPasses(1) - passes_[0] >= PassesWithoutProgress &&
        g.StockPasses(2) - passes_[1] >= PassesWithoutProgress) {
        told_ = showing_ = true;
        tops_ = Tops(g);
    }
    return showing_;
}

} // namespace tandrel
