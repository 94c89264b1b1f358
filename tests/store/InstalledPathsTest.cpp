// An installed program reads its default files from ../share/tandrel and keeps
// the settings in the user's configuration folder, even in a writable prefix.
#include <filesystem>

#include "StoreFixture.h"
#include "store/StorePaths.h"

namespace tandrel::testing {

TEST_F(GameStoreTest, AnInstalledProgramTakesTheSharedFilesAndTheUsersConfigFolder)
{
    namespace fs = std::filesystem;
    const char* old = std::getenv("XDG_CONFIG_HOME");
    const std::string saved = old ? old : "";
    ::setenv("XDG_CONFIG_HOME", Path("config").c_str(), 1);

    fs::create_directories(Path("prefix/bin"));
    fs::create_directories(Path("prefix/share/tandrel"));
    WriteText(Path("prefix/share/tandrel/back7.bmp"), "BM");
    SetStorePaths(g, Path("prefix/bin"));
    EXPECT_EQ(g.cfg.ProgramFolder, Path("prefix/share/tandrel"));
    EXPECT_EQ(g.cfg.SettingsFile, Path("config/tandrel/duelpat.ini"));
    EXPECT_EQ(g.GamesDealtFile, Path("config/tandrel/gamesdealt"));

    // Files beside the program win: a build folder behaves as before.
    WriteText(Path("prefix/bin/back7.bmp"), "BM");
    SetStorePaths(g, Path("prefix/bin"));
    EXPECT_EQ(g.cfg.ProgramFolder, Path("prefix/bin"));
    EXPECT_EQ(g.cfg.SettingsFile, Path("prefix/bin/duelpat.ini"));

    if (old)
        ::setenv("XDG_CONFIG_HOME", saved.c_str(), 1);
    else
        ::unsetenv("XDG_CONFIG_HOME");
}

} // namespace tandrel::testing
