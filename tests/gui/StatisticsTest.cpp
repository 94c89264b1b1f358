// Statistics from the Game menu, on a game won through the window.
#include <QLabel>
#include <QTableWidget>

#include "dialogs/StatisticsWindow.h"
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// A row of a table as the window shows it, the cells one blank apart.
std::string Row(const QTableWidget* t, int row)
{
    QStringList cells;
    for (int c = 0; c < t->columnCount(); ++c) cells << t->item(row, c)->text();
    return cells.join(' ').toStdString();
}

} // namespace

TEST_F(GuiTest, StatisticsShowTheWonGameAtItsLevelAndResetEmptiesThemAfterTheQuestion)
{
    WriteSettings("[Options]\nPlayer=Ann\n[Ann]\nWin=2\nLoss=2\nStyle=1\n[Bob]\nWin=5\nLoss=1\nLongestStreak=4\n");
    hands.push_back([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); }); // Game Settings at the start
    Start();
    Craft("- | - | - | - ; Qc Qd Kh Ks ; Kc ; Kd");
    Click(470, 347);
    DoubleClick(470, 347); // the last card goes home: won against the Intermediate
    ASSERT_TRUE(game().GameOver);

    std::vector<std::string> before, declined, after;
    const auto read = [](StatisticsWindow& w, std::vector<std::string>& seen) {
        for (int r = 0; r < w.tblLevels->rowCount(); ++r) seen.push_back(Row(w.tblLevels, r));
        seen.push_back(w.lblStreak->text().toStdString() + " " + w.lblLongest->text().toStdString());
        for (int r = 0; r < w.tblPlayers->rowCount(); ++r) seen.push_back(Row(w.tblPlayers, r));
        seen.push_back("selected " + std::to_string(w.tblPlayers->selectionModel()->selectedRows().value(0).row()));
    };
    hands.push_back([&](QDialog& d) {
        auto& w = dynamic_cast<StatisticsWindow&>(d);
        read(w, before);
        answers = {MsgAnswer::No, MsgAnswer::Yes};
        w.cmdReset->click();
        read(w, declined);
        w.cmdReset->click();
        read(w, after);
        w.cmdClose->click();
    });
    EXPECT_EQ(Command("mnuStatistics")->text().toStdString(), "&Statistics\u2026");
    Command("mnuStatistics")->trigger();
    const std::string none = " 0 0 0 \u2013";
    EXPECT_EQ(before, (std::vector<std::string>{"All levels 5 3 2 60%", "Beginner" + none, "Intermediate 1 1 0 100%",
                                                "Expert" + none, "Master" + none, "1 1",
                                                "Ann 5 3 2 60% 1", "Bob 6 5 1 83% 4", "selected 0"}));
    EXPECT_EQ(declined, before);
    EXPECT_EQ(messages, std::vector<std::string>(2, "Reset the statistics of Ann?"));
    EXPECT_EQ(lastTitle, "Tandrel");
    EXPECT_EQ(after, (std::vector<std::string>{"All levels" + none, "Beginner" + none, "Intermediate" + none,
                                               "Expert" + none, "Master" + none, "0 0", "Ann" + none + " 0",
                                               "Bob 6 5 1 83% 4", "selected 0"}));
    EXPECT_EQ(std::tuple(game().Wins, game().Losses, Stored("Win"), Stored("Loss"), Stored("Win1"), Stored("Streak")),
              std::tuple(0, 0, "0", "0", "0", "0"));
    EXPECT_EQ(Stored("Win", "Bob"), "5");
}
