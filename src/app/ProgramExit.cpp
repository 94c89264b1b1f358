#include "app/ProgramExit.h"

#include <QApplication>
#include <QDialog>
#include <QWidget>
#include <cstdio>
#include <optional>

#include "app/InputGate.h"
#include "engine/Game.h"
#include "engine/Position.h"
#include "engine/Texts.h"
#include "show/PlayerHand.h"
#include "show/Turns.h"
#include "store/SavedGame.h"
#include "store/SettingsFile.h"

namespace tandrel {

ProgramExit::ProgramExit(QWidget& window, InputGate& gate, Game& g, MouseState& mouse)
    : QObject(&window), window_(window), gate_(gate), game_(g), mouse_(mouse)
{
    // However the program is told to end (a session logging out, a quit from
    // elsewhere), the exit sequence runs once.
    connect(qApp, &QCoreApplication::aboutToQuit, this, &ProgramExit::ExitSequence);
}

void ProgramExit::RequestExit()
{
    if (!gate_.HoldClose()) window_.close();
}

void ProgramExit::EndFromOutside()
{
    endedFromOutside_ = true;
    // Innermost first; a window that will not go is left, rather than looping.
    for (int i = 0; i < 8; ++i) {
        QWidget* w = QApplication::activeModalWidget();
        if (!w) break;
        if (auto* d = qobject_cast<QDialog*>(w))
            d->reject();
        else
            w->close();
        if (QApplication::activeModalWidget() == w) break;
    }
    RequestExit();
}

void ProgramExit::WindowDestroyed()
{
    windowGone_ = true;
    EndFromOutside();
}

bool ProgramExit::Closing()
{
    // Never inside a move: the close runs once the move in hand is over.
    if (gate_.HoldClose()) return false;
    ExitSequence();
    // With no window left to close, nothing else would end the event loop.
    if (windowGone_) QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
    return true;
}

void ProgramExit::ExitSequence()
{
    if (exited_) return;
    if (beforeStore) beforeStore();
    // During a demo the game in progress is the one put aside.
    std::optional<Game> kept;
    if (aside_) kept = *aside_;
    Game& g = kept ? *kept : game_;
    // A card in flight goes home first, so that nothing is lost from the saved game.
    if (!kept) CancelDrag(g, mouse_);
    const bool stored = StoreOnExit(g);
    // Ended from outside, nobody may be there to answer a message box.
    if (endedFromOutside_) ReportStoreFailureOnExit(stored);
    else ReportStoreFailure(stored);
    exited_ = true;
    emit exiting();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &window_ && w->isVisible()) w->close();
}

void ProgramExit::StoreOnLostDisplay()
{
    if (exited_ || gate_.Starting() || game_.cfg.SettingsFile.empty()) return;
    exited_ = true;
    if (beforeStore) beforeStore();
    if (aside_) { // a demo's table is none of the player's
        Game kept = *aside_;
        ReportStoreFailureOnExit(StoreOnExit(kept));
        return;
    }
    Game& g = game_;
    CancelDrag(g, mouse_);
    // Inside an action the player's move is kept once its cards are all in
    // place; a computer's turn half played, or a move half made, is not: the
    // game then stays as last stored.
    const bool whole = !gate_.Busy() || (!g.ComputerBusy && !g.FlipInProgress && CheckPosition(g));
    ReportStoreFailureOnExit(whole ? StoreOnExit(g) : SaveSettings(g));
}

void ProgramExit::ReportStoreFailure(bool stored)
{
    if (stored || storeFailureShown_) return;
    storeFailureShown_ = true;
    ShowInfo(game_, StoreFailureText());
}

std::string ProgramExit::StoreFailureText() const
{
    return Arg(Translate("ProgramExit", "The settings file %1 cannot be written. Settings, statistics and the saved "
                                        "game cannot be stored."),
               game_.cfg.SettingsFile);
}

void ProgramExit::ReportStoreFailureOnExit(bool stored) const
{
    if (stored) return;
    std::fprintf(stderr, "%s\n", StoreFailureText().c_str());
}

} // namespace tandrel
