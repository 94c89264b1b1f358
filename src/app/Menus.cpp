#include "app/Menus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>

#include "engine/Game.h"

namespace tandrel {

namespace {

QMenu* AddMenu(QMenuBar& bar, const char* name, const char* caption)
{
    QMenu* m = bar.addMenu(QCoreApplication::translate("Menus", caption));
    m->setObjectName(name);
    return m;
}

QAction* AddItem(QMenu* menu, const char* name, const char* caption, const QKeySequence& key = {})
{
    QAction* a = menu->addAction(QCoreApplication::translate("Menus", caption));
    a->setObjectName(name);
    if (!key.isEmpty()) a->setShortcut(key);
    return a;
}

} // namespace

Menus::Menus(QMenuBar& bar, const Game& g) : game_(g)
{
    mnuFile = AddMenu(bar, "mnuFile", QT_TRANSLATE_NOOP("Menus", "&Game"));
    mnuNew = AddItem(mnuFile, "mnuNew", QT_TRANSLATE_NOOP("Menus", "&New Game"), Qt::Key_F2);
    mnuRestart = AddItem(mnuFile, "mnuRestart", QT_TRANSLATE_NOOP("Menus", "&Restart Game"), Qt::Key_F3);
    mnuSave = AddItem(mnuFile, "mnuSave", QT_TRANSLATE_NOOP("Menus", "&Game Settings"), Qt::Key_F4);
    mnuStatistics = AddItem(mnuFile, "mnuStatistics", QT_TRANSLATE_NOOP("Menus", "&Statistics…"));
    mnuDemo = AddItem(mnuFile, "mnuDemo", QT_TRANSLATE_NOOP("Menus", "&Demo"));
    mnuFile->addSeparator()->setObjectName("mnuSep1");
    mnuExit = AddItem(mnuFile, "mnuExit", QT_TRANSLATE_NOOP("Menus", "E&xit"));
    // Ctrl+Q as well, the desktop's own; the menu shows the first.
    mnuExit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});

    mnuOpt = AddMenu(bar, "mnuOpt", QT_TRANSLATE_NOOP("Menus", "&Options"));
    mnuUndo = AddItem(mnuOpt, "mnuUndo", QT_TRANSLATE_NOOP("Menus", "&Undo"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    // R is Restore Snapshot's in this menu.
    mnuRedo = AddItem(mnuOpt, "mnuRedo", QT_TRANSLATE_NOOP("Menus", "Re&do"));
    mnuRedo->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    mnuSnap = AddItem(mnuOpt, "mnuSnap", QT_TRANSLATE_NOOP("Menus", "&Take Snapshot"));
    mnuRestore = AddItem(mnuOpt, "mnuRestore", QT_TRANSLATE_NOOP("Menus", "&Restore Snapshot"));
    mnuHint = AddItem(mnuOpt, "mnuHint", QT_TRANSLATE_NOOP("Menus", "&Hint"), Qt::Key_H);
    mnuOpt->addSeparator()->setObjectName("mnuSpe2");
    mnuAlarm = AddItem(mnuOpt, "mnuAlarm", QT_TRANSLATE_NOOP("Menus", "&Alarm"));
    mnuFitTable = AddItem(mnuOpt, "mnuFitTable", QT_TRANSLATE_NOOP("Menus", "&Fit Table to Window"));
    mnuFitTable->setCheckable(true);
    mnuMusic = AddItem(mnuOpt, "mnuMusic", QT_TRANSLATE_NOOP("Menus", "&Music"));
    mnuMusic->setCheckable(true);

    mnuHelp = AddMenu(bar, "mnuHelp", QT_TRANSLATE_NOOP("Menus", "&Help"));
    mnuHelpTopics = AddItem(mnuHelp, "mnuHelpTopics", QT_TRANSLATE_NOOP("Menus", "&Help Topics"), Qt::Key_F1);
    mnuQuick = AddItem(mnuHelp, "mnuQuick", QT_TRANSLATE_NOOP("Menus", "&Quick look at the rules"));
    mnuHelp->addSeparator()->setObjectName("mnuSep");
    mnuAbout = AddItem(mnuHelp, "mnuAbout", QT_TRANSLATE_NOOP("Menus", "&About"));

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
