#pragma once
// A scratch folder per test, removed afterwards, and small file helpers.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

#include "store/GamesDealt.h"
#include "store/Profile.h"
#include "support/Positions.h"

namespace tandrel::testing {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "tandrel-store-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        dir = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir); }

    std::string Path(const std::string& name) const { return dir + "/" + name; }

    static void WriteText(const std::string& path, const std::string& text)
    {
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string ReadText(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    // Files in the folder other than the writers' lock files.
    int FileCount() const
    {
        int n = 0;
        for (const auto& e : std::filesystem::directory_iterator(dir)) n += e.path().extension() != ".lock";
        return n;
    }

    std::string dir;
};

// The current player's game with its files in the scratch folder.
class GameStoreTest : public StoreTest, public TestGame {
protected:
    void SetUp() override
    {
        StoreTest::SetUp();
        ini = Path("duelpat.ini");
        Prepare(g);
    }
    void Prepare(Game& game) const
    {
        game.cfg.SettingsFile = ini;
        game.cfg.ProgramFolder = "/opt/tandrel";
        game.cfg.CurrentPlayer = "Ann";
        game.GamesDealtFile = Path(GamesDealtFileName);
    }
    // The game the program's next start plays on the same files.
    std::unique_ptr<TestGame> Next() const
    {
        auto next = std::make_unique<TestGame>();
        Prepare(next->g);
        return next;
    }
    std::string Read(const std::string& section, const std::string& key) const
    {
        return ReadProfileString(ini, section, key, "<missing>");
    }

    std::string ini;
};

// Everything a stored record holds: the table, the flip size and the last pick-up.
inline ::testing::AssertionResult SameRecord(const Game& a, const Game& b)
{
    if (auto table = SameTable(a, b); !table) return table;
    if (std::tie(a.cfg.FlipNum, a.PickFirst, a.PickLast, a.PickPile, a.DragCard) ==
        std::tie(b.cfg.FlipNum, b.PickFirst, b.PickLast, b.PickPile, b.DragCard))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "FlipNum, a pick-up or DragCard differs";
}

} // namespace tandrel::testing
