// A short self-play soak: whole games with the computer on both sides, every
// action checked, at every pairing of levels; and the checking table itself.
#include <gtest/gtest.h>

#include <random>
#include <utility>

#include "engine/Deal.h"
#include "engine/Position.h"

#include "selfplay/SelfPlay.h"
#include "TestTable.h"

namespace tandrel::test {
namespace {

using selfplay::CheckingView;
using selfplay::PositionFault;
using selfplay::RunSoak;
using selfplay::SoakResult;

std::string Notes(const SoakResult& r)
{
    std::string text;
    for (const std::string& note : r.failureNotes) text += note + "\n";
    return text;
}

TEST(SelfPlaySoak, EveryPairingOfLevelsPlaysSoundGames)
{
    for (int level1 = 0; level1 <= 2; ++level1) {
        for (int level2 = 0; level2 <= 2; ++level2) {
            const std::uint64_t first = 100000u * static_cast<std::uint64_t>(3 * level1 + level2);
            const SoakResult r = RunSoak(300, level1, level2, 1, first);
            SCOPED_TRACE("levels " + std::to_string(level1) + " and " + std::to_string(level2));
            EXPECT_EQ(r.failures, 0) << Notes(r);
            EXPECT_EQ(r.games, 300);
            EXPECT_EQ(r.wins[1] + r.wins[2] + r.stalls, r.games); // every game ends one way or the other
            EXPECT_GT(r.checks, 100 * r.games);
        }
    }
}

TEST(SelfPlaySoak, ThreeCardFlipsPlaySoundGames)
{
    const SoakResult r = RunSoak(300, 2, 1, 3, 5000000);
    EXPECT_EQ(r.failures, 0) << Notes(r);
    EXPECT_EQ(r.wins[1] + r.wins[2] + r.stalls, r.games);
}

TEST(SelfPlaySoak, TheExpertBeatsTheBeginner)
{
    const SoakResult expertFirst = RunSoak(300, 2, 0, 1, 7000000);
    const SoakResult expertSecond = RunSoak(300, 0, 2, 1, 7000000);
    EXPECT_GT(expertFirst.wins[1], 2 * expertFirst.wins[2]);
    EXPECT_GT(expertSecond.wins[2], 2 * expertSecond.wins[1]);
}

TEST(SelfPlaySoak, TheSameGameNumberPlaysTheSameGame)
{
    selfplay::GameSetup setup;
    setup.number = 4242;
    const selfplay::GameOutcome a = selfplay::PlayOneGame(setup), b = selfplay::PlayOneGame(setup);
    EXPECT_EQ(a.turns, b.turns);
    EXPECT_EQ(a.winner, b.winner);
    EXPECT_EQ(a.checks, b.checks);
    EXPECT_GT(a.turns, 2);
}

// ---- The position check finds every card lost or doubled ----

TEST(PositionCheck, FindsEveryCardLostOrDoubled)
{
    std::mt19937 random(12345);
    auto pick = [&random](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    long tried = 0;
    for (std::uint64_t deal = 0; deal < 12; ++deal) {
        TestTable t;
        t.view.record = false;
        selfplay::DealNumberedGame(t.g, deal);
        NewGame(t.g, false);
        for (int turn = 0; turn < 40 && !t.g.GameOver; ++turn) {
            ASSERT_TRUE(CheckPosition(t.g));
            for (int i = 0; i < 30; ++i) {
                Game m = t.g;
                int* cells[] = {&m.Stock(pick(1, 2), pick(1, 42)), &m.Waste(pick(1, 2), pick(1, 42)),
                                &m.Tableau(pick(1, 4), pick(1, 12))};
                int& cell = *cells[pick(0, 2)];
                // A card lost from its place, or a copy of one put where there was none.
                if (cell != 0) cell = 0;
                else cell = pick(2, 53);
                std::string why;
                ASSERT_FALSE(CheckPosition(m, &why)) << "deal " << deal << " turn " << turn;
                ASSERT_FALSE(why.empty());
                ++tried;
            }
            selfplay::PlayComputerSideTurn(t.g, turn % 2 + 1);
        }
    }
    EXPECT_GT(tried, 5000);
}

// ---- The checking table ----

// A sound table, watched.
struct Watched {
    CheckingView view;
    Game g{view};
    TestTable layout;

    Watched()
    {
        layout.SetPile(1, {}, {Card(Black4, 11)});
        layout.SetPile(4, {Card(Red2, 13)}, {Card(Black1, 9)});
        layout.SetFoundation(1, Red3, 10);
        layout.SetWaste(2, {Card(Black4, 2)});
        layout.DealRest();
        TableView* own = g.view;
        g = layout.g;
        g.view = own;
        view.Watch(g);
    }
};

TEST(CheckingView, CatchesACardInTwoPlaces)
{
    Watched w;
    w.g.Stock(1, 1) = Card(Black4, 11);
    EXPECT_THROW(w.view.ScoreBoard(false), PositionFault);
}

TEST(CheckingView, LetsOneFoundationCardDownOntoAPileButNoMore)
{
    {
        Watched w;
        w.g.Foundation(1, FoundTop) = Card(Red3, 9);
        w.g.TableauTop(1, TopCard) = Card(Red3, 10);
        w.g.Tableau(1, 2) = Card(Red3, 10);
        w.g.TableauTop(1, TopY) = 140;
        EXPECT_NO_THROW(w.view.PlayWave(4));
    }
    {
        Watched w; // two cards down at once: one of them is now in no place at all
        w.g.Foundation(1, FoundTop) = Card(Red3, 8);
        w.g.TableauTop(1, TopCard) = Card(Red3, 10);
        w.g.Tableau(1, 2) = Card(Red3, 10);
        w.g.TableauTop(1, TopY) = 140;
        w.g.Stock(2, 42) = Card(Red3, 9);
        ++w.g.CardsLeft(2);
        EXPECT_THROW(w.view.ReleaseBuffers(), PositionFault);
    }
}

TEST(CheckingView, UnchangedPositionIsNotCheckedAgain)
{
    Watched w;
    const long checks = w.view.checks();
    w.view.ScoreBoard(false);
    w.view.PlayWave(4);
    EXPECT_EQ(w.view.checks(), checks);
    ++w.g.StockPasses(1);
    w.view.ScoreBoard(false);
    EXPECT_EQ(w.view.checks(), checks + 1);
}

} // namespace
} // namespace tandrel::test
