// Saving and restoring every position real games reach gives the same game
// back, but for what the records leave out, and the last move taken back on
// it matches the original's. The file has Windows line ends, which it keeps.
#include <algorithm>

#include "engine/Position.h"
#include "engine/Undo.h"
#include "store/SavedGame.h"
#include "store/StoreFixture.h"
#include "support/SoakPositions.h"

using namespace tandrel;
using namespace tandrel::testing;

TEST_F(StoreTest, EverySoakPositionSurvivesSaveAndRestore)
{
    HeadlessView view;
    view.record = false;
    const std::vector<Game> positions = SoakPositions(view, 20);
    ASSERT_GT(positions.size(), 300u);
    WriteText(Path("duelpat.ini"), "[Soak]\r\nWin=3\r\n");
    for (const Game& original : positions) {
        Game g = original;
        g.cfg.SettingsFile = Path("duelpat.ini");
        g.cfg.CurrentPlayer = "Soak";
        g.PickFirst = 2, g.PickLast = 3, g.PickPile = 1; // stored too, whatever they hold
        g.History.Clear(); // both take back the move the record names
        ASSERT_TRUE(SaveGame(g, "Save"));

        Game back(view);
        back.cfg.SettingsFile = g.cfg.SettingsFile;
        back.cfg.CurrentPlayer = "Soak";
        back.cfg.FlipNum = 3 - g.cfg.FlipNum % 3; // the record brings its own
        ASSERT_TRUE(RestoreGame(back, "Save")) << selfplay::DescribePosition(g);
        EXPECT_TRUE(SameRecord(back, g));
        EXPECT_EQ(back.Undo, g.Undo);
        EXPECT_EQ(back.GamesDealt, 0);
        EXPECT_TRUE(CheckPosition(back));
        UndoMove(g);
        UndoMove(back);
        EXPECT_TRUE(SameRecord(back, g));
        if (::testing::Test::HasFailure()) break;
    }
    const std::string text = ReadText(Path("duelpat.ini"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), std::count(text.begin(), text.end(), '\n'));
}
