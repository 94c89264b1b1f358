#pragma once
// The current player's figures, overall and by the computer's level, with the
// winning streaks; every player's totals; and Reset for the current player.
#include <QDialog>

class QLabel;
class QPushButton;
class QTableWidget;

namespace tandrel {

struct Game;

class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    StatisticsWindow(QWidget* owner, Game& g);

    // False when a reset did not reach the file.
    bool Stored() const { return stored_; }

    QLabel* lblPlayer;
    QTableWidget* tblLevels;   // a row for all levels, then one per level: name, games, wins, losses, won
    QLabel* lblStreak;
    QLabel* lblLongest;
    QTableWidget* tblPlayers;  // a row per player: name, games, wins, losses, won, longest streak
    QPushButton* cmdReset;
    QPushButton* cmdClose;

private:
    void Fill();
    void cmdReset_Click();

    Game& g_;
    bool stored_ = true;
};

// The share of games won as the window shows it: "57%", or "–" with no games.
QString ShareWon(int wins, int losses);

// Shows the window modally; false when a reset did not reach the file.
bool ShowStatistics(QWidget* owner, Game& g);

} // namespace tandrel
