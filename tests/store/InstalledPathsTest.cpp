// An installed program reads its default files from ../share/tandrel and keeps
// the settings in the user's configuration folder, even in a writable prefix.
#include "StoreFixture.h"
#include "store/StorePaths.h"

namespace tandrel::testing {

TEST_F(GameStoreTest, AnInstalledProgramTakesTheSharedFilesAndTheUsersConfigFolder)
{
    const std::string saved = std::getenv("XDG_CONFIG_HOME") ? std::getenv("XDG_CONFIG_HOME") : "";
    ::setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);
    std::filesystem::create_directories(Path("prefix/games"));
    std::filesystem::create_directories(Path("prefix/share/tandrel"));
    WriteText(Path("prefix/share/tandrel/back7.bmp"), "BM");
    SetStorePaths(g, Path("prefix/games"));
    EXPECT_EQ(g.cfg.ProgramFolder, Path("prefix/share/tandrel"));
    EXPECT_EQ(g.cfg.SettingsFile, Path("config/tandrel/duelpat.ini"));
    EXPECT_EQ(g.GamesDealtFile, Path("config/tandrel/gamesdealt"));

    WriteText(Path("prefix/games/back7.bmp"), "BM"); // files beside it: a build folder, as before
    SetStorePaths(g, Path("prefix/games"));
    EXPECT_EQ(g.cfg.ProgramFolder, Path("prefix/games"));
    EXPECT_EQ(g.cfg.SettingsFile, Path("prefix/games/duelpat.ini"));
    saved.empty() ? ::unsetenv("XDG_CONFIG_HOME") : ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
}

} // namespace tandrel::testing
