// A short self-play soak: whole games with the computer on both sides, every
// move checked, at every pairing of levels; the region check; and the
// position watch itself.
#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <tuple>
#include <utility>

#include "engine/Cards.h"
#include "engine/Position.h"
#include "opponent/Master.h"

#include "selfplay/SelfPlay.h"
#include "support/SoakPositions.h"
#include "support/Positions.h"

namespace tandrel::test {
namespace {

using testing::Card;
using selfplay::PositionFault;
using selfplay::PositionWatch;
using selfplay::RunSoak;
using selfplay::SoakResult;

// Every pairing of levels with one card a flip, Expert against Intermediate
// with three; the same games again on three threads must come out the same.
TEST(SelfPlaySoak, EveryPairingOfLevelsPlaysSoundGamesAndTheExpertBeatsTheBeginner)
{
    const auto soak = [](int level1, int level2, int flipNum, int threads = 1) {
        const std::uint64_t first = flipNum == 1 ? 100000u * (3 * level1 + level2) : 5000000u;
        const SoakResult r = RunSoak(300, Level(level1), Level(level2), flipNum, first, true, threads);
        SCOPED_TRACE("levels " + std::to_string(level1) + " and " + std::to_string(level2));
        EXPECT_EQ(r.failures, 0) << ::testing::PrintToString(r.failureNotes);
        EXPECT_EQ(std::tuple(r.games, r.threads), std::tuple(300, threads));
        EXPECT_EQ(r.wins[1] + r.wins[2] + r.stalls, r.games); // every game ends one way or the other
        EXPECT_GT(r.checks, 100 * r.games);
        return r;
    };
    SoakResult r[3][3];
    for (int level1 = 0; level1 <= 2; ++level1)
        for (int level2 = 0; level2 <= 2; ++level2) r[level1][level2] = soak(level1, level2, 1);
    soak(2, 1, 3);
    EXPECT_GT(r[2][0].wins[1], 2 * r[2][0].wins[2]);
    EXPECT_GT(r[0][2].wins[2], 2 * r[0][2].wins[1]);
    const SoakResult& one = r[2][1];
    const SoakResult three = soak(2, 1, 1, 3);
    EXPECT_EQ(std::tie(one.turns, one.checks, one.stalls, one.wins[1], one.wins[2]),
              std::tie(three.turns, three.checks, three.stalls, three.wins[1], three.wins[2]));
}

// The Master on either side, at a small budget but through its own turn, every move checked.
TEST(SelfPlaySoak, TheMasterPlaysSoundGamesOnEitherSide)
{
    const MasterBudget before = std::exchange(MasterPlayBudget(), MasterBudget{4, 2});
    for (const auto& [level1, level2] : {std::pair(Level::Master, Level::Expert), {Level::Expert, Level::Master}}) {
        const SoakResult r = RunSoak(30, level1, level2, 1, 900000, true, 2);
        EXPECT_EQ(r.failures, 0) << ::testing::PrintToString(r.failureNotes);
        EXPECT_EQ(r.wins[1] + r.wins[2] + r.stalls, r.games);
        EXPECT_GT(r.checks, 100 * r.games);
    }
    MasterPlayBudget() = before;
}

// ---- Faults planted in one region of positions real games reach ----

struct Planted {
    const char* name;
    const char* reported; // in the text of the fault; null for a change that is no fault
    bool (*plant)(Game& g, std::mt19937& random); // false when the position has no place for it
};

int PileWithTopCard(const Game& g)
{
    for (int p = 1; p <= 4; ++p)
        if (IsCard(PileTop(g, p))) return p;
    return 0;
}

const Planted Plants[] = {
    {"a pile's top card copied into the stock", "in two places", [](Game& g, std::mt19937&) {
         const int p = PileWithTopCard(g);
         return p != 0 && g.Stock(1, 42) == 0 && (g.Stock(1, 42) = PileTop(g, p), true);
     }},
    {"a stock card lost", "is missing", [](Game& g, std::mt19937&) {
         for (int i = 42; i >= 1; --i)
             if (g.Stock(2, i) != 0) return g.Stock(2, i) = 0, true;
         return false;
     }},
    {"a gap under a pile's top card", "a gap in the face-up cards of pile", [](Game& g, std::mt19937&) {
         const int p = PileWithTopCard(g), n = p ? FaceUpCount(g, p) : 0;
         return n > 0 && n < PileSlots && (g.Tableau(p, n + 1) = g.Tableau(p, n), g.Tableau(p, n) = 0, true);
     }},
    {"a foundation out of suit: a second one of a suit already there", "the suit of foundation",
     [](Game& g, std::mt19937&) {
         int used = 0, empty = 0;
         for (int f = 1; f <= 4; ++f) (g.Foundation(f, FoundSuit) != 0 ? used : empty) = f;
         if (used == 0 || empty == 0) return false;
         g.Foundation(empty, FoundSuit) = g.Foundation(used, FoundSuit);
         g.Foundation(empty, FoundTop) = AceOfSuit(g.Foundation(used, FoundSuit)) - 13; // its ace alone
         return true;
     }},
    {"a waste top one slot too high", "the waste top of side 1",
     [](Game& g, std::mt19937&) { return g.WasteCount(1) < HandSlots && (++g.WasteCount(1), true); }},
    {"a card lost from its place, or copied where there was none", "", [](Game& g, std::mt19937& random) {
         auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
         int* cells[] = {&g.Stock(pick(1, 2), pick(1, 42)), &g.Waste(pick(1, 2), pick(1, 42)),
                         &g.Tableau(pick(1, 4), pick(1, 12))};
         int& cell = *cells[pick(0, 2)];
         return cell = cell != 0 ? 0 : pick(2, 53), true;
     }},
    {"a stock card moved to slot 40, which is no fault", nullptr, [](Game& g, std::mt19937&) {
         for (int i = 1; i < 40 && g.Stock(1, 40) == 0; ++i)
             if (g.Stock(1, i) != 0) return std::swap(g.Stock(1, i), g.Stock(1, 40)), true;
         return false;
     }},
};

// The check of the one region changed since the last look finds what the
// whole check finds, in the same words.
TEST(RegionCheck, FindsFaultsPlantedInOneRegionAsTheWholeCheckDoes)
{
    HeadlessView view;
    std::mt19937 random(12345);
    int planted[std::size(Plants)] = {};
    for (const Game& position : testing::SoakPositions(view, 40)) {
        RegionCheck sound;
        ASSERT_TRUE(sound.Start(position));
        for (std::size_t i = 0; i < std::size(Plants); ++i) {
            Game g = position;
            if (!Plants[i].plant(g, random)) continue;
            ++planted[i];
            SCOPED_TRACE(Plants[i].name);
            RegionCheck regions = sound;
            std::string whole, region;
            CheckPosition(g, &whole);
            const bool regionSound = regions.Recheck(g, &region);
            ASSERT_EQ(std::popcount(regions.changed()), 1);
            ASSERT_EQ(regionSound, Plants[i].reported == nullptr) << region;
            ASSERT_EQ(region, whole);
            ASSERT_NE(region.find(Plants[i].reported ? Plants[i].reported : ""), std::string::npos) << region;
            if (regionSound) {
                ASSERT_TRUE(regions.Recheck(position, &region)) << "and back: " << region;
            }
        }
    }
    for (std::size_t i = 0; i < std::size(Plants); ++i) EXPECT_GT(planted[i], 1000) << Plants[i].name;
}

// ---- The position watch ----

// A sound table, watched.
struct Watched {
    HeadlessView view;
    Game g{view};
    PositionWatch watch;

    Watched()
    {
        testing::Lay(g, "Js | - | - | [Kd] 9c ; Th ; - ; 2s");
        testing::ParkRest(g);
        EXPECT_TRUE(testing::Sound(g));
        watch.Watch(g);
    }
};

TEST(PositionWatch, LetsOneFoundationCardDownOntoAPileButNoMoreAndCountsOnlyChanges)
{
    const auto faulty = [](PositionWatch& w) { try { w.Check(); } catch (const PositionFault&) { return true; } return false; };
    for (int down : {1, 2}) {
        Watched w;
        w.g.Foundation(1, FoundTop) = Card(testing::Hearts, 10 - down);
        w.g.Tableau(1, 2) = Card("Th");
        if (down == 2) w.g.Stock(2, 42) = Card("9h"); // every card keeps a place
        EXPECT_EQ(faulty(w.watch), down == 2);
    }
    // A position found unchanged is not counted as checked again.
    Watched w;
    const long checks = w.watch.checks();
    w.watch.Check();
    EXPECT_EQ(w.watch.checks(), checks);
    ++w.g.StockPasses(1);
    w.watch.Check();
    EXPECT_EQ(w.watch.checks(), checks + 1);
}

} // namespace
} // namespace tandrel::test
