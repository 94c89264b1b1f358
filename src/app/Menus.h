#pragma once
// The menu bar of the main window: the items with their captions and keys,
// and which of them the game in hand offers. The window connects the commands.
class QAction;
class QMenu;
class QMenuBar;

namespace tandrel {

struct Game;

class Menus {
public:
    Menus(QMenuBar& bar, const Game& g);

    // The items on offer and the checks, from the game as it stands. The Game
    // and Options menus ask as they open; the window after every action too,
    // so that a shortcut never runs a command the menu would refuse.
    void Update();

    QMenu* mnuFile;
    QAction* mnuNew;
    QAction* mnuRestart;
    QAction* mnuSave;
    QAction* mnuStatistics;
    QAction* mnuDemo;
    QAction* mnuExit;
    QMenu* mnuOpt;
    QAction* mnuUndo;
    QAction* mnuRedo;
    QAction* mnuSnap;
    QAction* mnuRestore;
    QAction* mnuHint;
    QAction* mnuAlarm;
    QAction* mnuFitTable;
    QAction* mnuMusic;
    QMenu* mnuHelp;
    QAction* mnuHelpTopics;
    QAction* mnuQuick;
    QAction* mnuAbout;

private:
    const Game& game_;
};

} // namespace tandrel
