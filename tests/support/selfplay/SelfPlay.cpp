#include "selfplay/SelfPlay.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <iterator>
#include <map>
#include <mutex>
#include <thread>

#include "engine/Cards.h"
#include "engine/Deal.h"
#include "engine/HeadlessView.h"
#include "opponent/ComputerPlan.h"

namespace tandrel::selfplay {

// ---- The position watch ----

void PositionWatch::Watch(const Game& g)
{
    game_ = &g;
    for (int f = 1; f <= 4; ++f)
        for (int c = 1; c <= 2; ++c) lastFoundation_[f][c] = g.Foundation(f, c);
    ++checks_;
    std::string why;
    if (!regions_.Start(g, &why)) Fail(why);
}

void PositionWatch::Check()
{
    if (!game_) return;
    std::string why;
    const bool sound = regions_.Recheck(*game_, &why);
    if (regions_.changed() == 0) return;
    ++checks_;
    if (!sound) Fail(why);
    if (regions_.changed() & (1u << FoundationRegion)) CheckFoundations();
}

void PositionWatch::Fail(const std::string& why)
{
    faultPosition_ = DescribePosition(*game_);
    throw PositionFault(why);
}

namespace {

// Place of a foundation's top within its suit: 1 for the ace (held as code - 13) .. 13 for the king.
int Height(int suit, int top)
{
    if (suit == 0) return 0;
    const int ace = AceOfSuit(suit);
    return top == ace - 13 ? 1 : top - (ace - 12) + 2;
}

bool OnSomeTableauTop(const Game& g, int card)
{
    for (int p = 1; p <= 4; ++p)
        if (PileTop(g, p) == card) return true;
    return false;
}

} // namespace

void PositionWatch::CheckFoundations()
{
    const Game& g = *game_;
    int lowered = 0, changed = 0;
    for (int f = 1; f <= 4; ++f) {
        const int oldSuit = lastFoundation_[f][1], oldTop = lastFoundation_[f][2];
        const int suit = g.Foundation(f, FoundSuit), top = g.Foundation(f, FoundTop);
        if (suit == oldSuit && top == oldTop) continue;
        ++changed;
        auto fail = [&](const char* what) { Fail("foundation " + std::to_string(f) + what); };
        if (oldSuit != 0 && suit != oldSuit) fail(" changed suit");
        const int before = Height(oldSuit, oldTop), after = Height(suit, top);
        if (after > before) continue;
        // A card comes down by the rules alone: one card, never an ace (the Expert
        // never takes a two either, the Master may), and it must now lie on top of a tableau pile.
        if (after != before - 1 || before < 2) fail(" went down by more than a card");
        if (!OnSomeTableauTop(g, oldTop)) fail(" lost its top card");
        ++lowered;
    }
    if (lowered > 0 && changed > 1) Fail("a foundation came down while another changed");
    for (int f = 1; f <= 4; ++f)
        for (int c = 1; c <= 2; ++c) lastFoundation_[f][c] = g.Foundation(f, c);
}

// ---- Games ----

bool ReadNumber(const char* text, long lo, long hi, long& value)
{
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= lo && value <= hi;
}

void DealNumberedGame(Game& g, std::uint64_t gameNumber)
{
    ShuffleDeck(g, static_cast<std::uint32_t>(gameNumber * 2654435761u + 1));
}

namespace {

struct Headway {
    int handCards = 0, faceDown = 0, foundationCards = 0;
};

Headway Measure(const Game& g)
{
    Headway h;
    h.handCards = CardsLeft(g, 1) + CardsLeft(g, 2);
    for (int p = 1; p <= 4; ++p) h.faceDown += g.TableauFaceDown(p);
    for (int f = 1; f <= 4; ++f) h.foundationCards += Height(g.Foundation(f, FoundSuit), g.Foundation(f, FoundTop));
    return h;
}

// Watches for turns that change nothing lasting while both stocks go round.
struct StallWatch {
    Headway best;
    int passes[3];

    // True when the game has stalled.
    bool AfterTurn(const Game& g)
    {
        const Headway now = Measure(g);
        if (now.handCards < best.handCards || now.faceDown < best.faceDown || now.foundationCards > best.foundationCards) {
            best = {std::min(best.handCards, now.handCards), std::min(best.faceDown, now.faceDown),
                    std::max(best.foundationCards, now.foundationCards)};
            passes[1] = g.StockPasses(1), passes[2] = g.StockPasses(2);
            return false;
        }
        // Two more pass ends on each side: at least one whole pass through each stock.
        return g.StockPasses(1) - passes[1] >= 2 && g.StockPasses(2) - passes[2] >= 2;
    }
};

// A game long past any real one: counted as stalled whatever the stocks do.
constexpr int TurnLimit = 5000;

} // namespace

GameOutcome PlayOneGame(const GameSetup& setup, Game* startOfLastTurn)
{
    HeadlessView view; // the deal draws; nothing after it does
    view.record = false;
    Game g(view);
    PositionWatch watch;
    g.cfg.Animate = 0;
    g.cfg.FlipNum = setup.flipNum;
    g.cfg.PlaySpeed = 0;
    g.GamesDealt = 24 + static_cast<int>(setup.number % 1000000);
    g.LastWinner = 1; // the starting side is ours to choose, without the message
    const Level level[3] = {Level::Beginner, setup.level1, setup.level2}; // [0] unused

    GameOutcome out;
    try {
        DealNumberedGame(g, setup.number);
        DealNewGame(g, false);
        if (setup.check) watch.Watch(g);
        StallWatch stalls{Measure(g), {0, g.StockPasses(1), g.StockPasses(2)}};
        for (int side = setup.firstSide; !g.GameOver; side = OtherSide(side)) {
            if (startOfLastTurn) {
                TableView* own = startOfLastTurn->view;
                *startOfLastTurn = g;
                startOfLastTurn->view = own;
            }
            g.cfg.ComputerLevel = level[side];
            out.lastSide = side;
            PlayComputerTurn(g, side, [&](const Applied&) { watch.Check(); });
            ++out.turns;
            if (!g.GameOver && (stalls.AfterTurn(g) || out.turns >= TurnLimit)) {
                out.stalled = true;
                break;
            }
        }
        if (g.GameOver) out.winner = g.LastWinner;
    } catch (const std::exception& e) {
        out.failure = e.what();
        out.winner = 0;
    }
    out.checks = watch.checks();
    out.faultPosition = watch.faultPosition();
    return out;
}

SoakResult RunSoak(long games, Level level1, Level level2, int flipNum, std::uint64_t first, bool check, int threads)
{
    const auto start = std::chrono::steady_clock::now();
    SoakResult r;
    r.threads = static_cast<int>(std::clamp<long>(threads, 1, std::max(games, 1L)));
    // Games go out in small blocks, so the workers finish together however long each game takes.
    constexpr long Block = 16;
    constexpr std::size_t MaxNotes = 10;
    std::atomic<long> next{0};
    std::mutex lock;
    std::map<std::uint64_t, std::string> notes; // the first failures by game number, whichever worker found them
    auto work = [&] {
        for (long from; (from = next.fetch_add(Block)) < games;)
            for (long i = from; i < std::min(games, from + Block); ++i) {
                const std::uint64_t number = first + static_cast<std::uint64_t>(i);
                const GameOutcome out = PlayOneGame({number, level1, level2, flipNum, number % 2 == 0 ? 1 : 2, check});
                const std::lock_guard<std::mutex> hold(lock);
                ++r.games;
                r.turns += out.turns;
                r.checks += out.checks;
                r.stalls += out.stalled;
                r.wins[out.winner] += out.winner != 0;
                if (out.failure.empty()) continue;
                ++r.failures;
                notes.emplace(number, "game " + std::to_string(number) + " (turn " + std::to_string(out.turns + 1) +
                                          "): " + out.failure);
                if (notes.size() > MaxNotes) notes.erase(std::prev(notes.end()));
            }
    };
    std::vector<std::thread> workers;
    for (int k = 1; k < r.threads; ++k) workers.emplace_back(work);
    work();
    for (std::thread& w : workers) w.join();
    for (const auto& [number, note] : notes) r.failureNotes.push_back(note);
    r.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return r;
}

std::string DescribePosition(const Game& g)
{
    std::string text;
    auto add = [&text](const char* format, auto... args) {
        char line[256];
        std::snprintf(line, sizeof line, format, args...);
        text += line;
    };
    // The filled places of a table, as "place:card" (or the cards alone), then the next heading.
    auto list = [&](int first, int last, auto card, const char* after, bool places = true) {
        for (int i = first; i <= last; ++i)
            if (const int c = card(i)) places ? add(" %d:%d", i, c) : add(" %d", c);
        text += after;
    };
    for (int s = 1; s <= 2; ++s) {
        add("side %d: CardsLeft %d StockPos %d StockLevel %d StockEmpty %d StockPasses %d WasteCount %d "
            "WasteCards %d WasteFan %d\n  stock",
            s, CardsLeft(g, s), g.StockPos(s), g.StockLevel(s), int(g.StockEmpty(s)), g.StockPasses(s),
            g.WasteCount(s), WasteCards(g, s), g.WasteFan(s));
        list(1, 42, [&](int i) { return g.Stock(s, i); }, "\n  waste");
        list(1, 42, [&](int i) { return g.Waste(s, i); }, "\n");
    }
    for (int p = 1; p <= 4; ++p) {
        add("pile %d: top %d at (%d, %d), face down %d:", p, PileTop(g, p), PileX(p),
            PileTopY(g, p), g.TableauFaceDown(p));
        list(1, 12, [&](int k) { return g.Tableau(p, k); }, "\n", false);
    }
    text += "foundations:";
    for (int f = 1; f <= 4; ++f) add(" (%d, %d)", g.Foundation(f, FoundSuit), g.Foundation(f, FoundTop));
    text += "\ndeck:";
    list(2, 53, [&](int i) { return g.Deck(i); }, "");
    add("\nFlippedCard %d GameOver %d\n", g.FlippedCard, int(g.GameOver));
    return text;
}

} // namespace tandrel::selfplay
