#include "app/Menus.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "engine/Game.h"

namespace tandrel {

namespace {

QMenu* AddMenu(QMenuBar& bar, const char* name, const char* caption)
{
    QMenu* m = bar.addMenu(QString::fromUtf8(caption));
    m->setObjectName(name);
    return m;
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& key = {})
{
    QAction* a = menu->addAction(QString::fromUtf8(caption));
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    return a;
}

} // namespace

Menus::Menus(QMenuBar& bar, const Game& g) : game_(g)
{
    mnuFile = AddMenu(bar, "mnuFile", "&Game");
    mnuNew = AddItem(mnuFile, "mnuNew", "&New Game", Qt::Key_F2);
    mnuRestart = AddItem(mnuFile, "mnuRestart", "&Restart Game", Qt::Key_F3);
    mnuSave = AddItem(mnuFile, "mnuSave", "&Game Settings", Qt::Key_F4);
    mnuStatistics = AddItem(mnuFile, "mnuStatistics", "&Statistics…");
    mnuDemo = AddItem(mnuFile, "mnuDemo", "&Demo");
    mnuFile->addSeparator()->setObjectName("mnuSep1");
    mnuExit = AddItem(mnuFile, "mnuExit", "E&xit");
    // Ctrl+Q as well, the desktop's own; the menu shows the first.
    mnuExit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});

    mnuOpt = AddMenu(bar, "mnuOpt", "&Options");
    mnuUndo = AddItem(mnuOpt, "mnuUndo", "&Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
    // R is Restore Snapshot's in this menu.
    mnuRedo = AddItem(mnuOpt, "mnuRedo", "Re&do");
    mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuSnap = AddItem(mnuOpt, "mnuSnap", "&Take Snapshot");
    mnuRestore = AddItem(mnuOpt, "mnuRestore", "&Restore Snapshot");
    mnuHint = AddItem(mnuOpt, "mnuHint", "&Hint", Qt::Key_H);
    mnuOpt->addSeparator()->setObjectName("mnuSpe2");
    mnuAlarm = AddItem(mnuOpt, "mnuAlarm", "&Alarm");
    mnuFitTable = AddItem(mnuOpt, "mnuFitTable", "&Fit Table to Window");
    mnuFitTable->setCheckable(true);
    mnuMusic = AddItem(mnuOpt, "mnuMusic", "&Music");
    mnuMusic->setCheckable(true);

    mnuHelp = AddMenu(bar, "mnuHelp", "&Help");
    mnuHelpTopics = AddItem(mnuHelp, "mnuHelpTopics", "&Help Topics", Qt::Key_F1);
    mnuQuick = AddItem(mnuHelp, "mnuQuick", "&Quick look at the rules");
    mnuHelp->addSeparator()->setObjectName("mnuSep");
    mnuAbout = AddItem(mnuHelp, "mnuAbout", "&About");

    QObject::connect(mnuFile, &QMenu::aboutToShow, [this] { Update(); });
    QObject::connect(mnuOpt, &QMenu::aboutToShow, [this] { Update(); });
    Update();
}

void Menus::Update()
{
    const Game& g = game_;
    mnuRestart->setEnabled(!g.DealString.empty());
    mnuUndo->setEnabled(g.Undo.has_value() && !g.GameOver);
    mnuRedo->setEnabled(!g.History.undone.empty() && !g.GameOver);
    mnuRestore->setEnabled(g.SnapshotTaken);
    mnuSnap->setEnabled(!g.GameOver);
    mnuHint->setEnabled(!g.GameOver);
    // A player switched in Game Settings brings their own choices.
    mnuFitTable->setChecked(g.cfg.FitTable);
    mnuMusic->setChecked(g.cfg.MusicOn);
}

} // namespace tandrel
