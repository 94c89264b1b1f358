#pragma once
// Every way out of the program (a close, Exit, a signal, the window destroyed
// from outside, a lost display) and the reports of a failed write: the player
// is told once per run, or standard error when nobody may be there to answer.
#include <QObject>
#include <functional>
#include <string>

class QWidget;

namespace tandrel {

struct Game;
struct MouseState;
class InputGate;

class ProgramExit : public QObject {
    Q_OBJECT
public:
    ProgramExit(QWidget& window, InputGate& gate, Game& g, MouseState& mouse);

    // Ends the program through the exit sequence, as a close of the window
    // does: at once, or when the action in hand is over.
    void RequestExit();
    // Told to end from outside (a signal): a window waiting for the player is
    // cancelled, so that nothing holds the exit up, then as RequestExit.
    void EndFromOutside();
    // The window was destroyed from outside: the exit sequence, then the program ends.
    void WindowDestroyed();
    // The window is asked to close: false while the close has to wait,
    // otherwise the exit sequence has run.
    bool Closing();
    bool Exited() const { return exited_; }
    // The display went away and the process is ending past the event loop:
    // the file part of the exit sequence, touching no window.
    void StoreOnLostDisplay();
    // While a demo plays on the window's game: the game in progress, which a
    // lost display stores instead. None (nullptr) once it is back.
    void SetGameAside(const Game* kept) { aside_ = kept; }

    // A write that failed is told to the player, once per run.
    void ReportStoreFailure(bool stored);

    // Runs before the files are stored on the way out: what the window still
    // holds back goes first.
    std::function<void()> beforeStore;

signals:
    // The exit sequence has stored everything: the timers and the music stop.
    void exiting();

private:
    void ExitSequence();
    void ReportStoreFailureOnExit(bool stored) const;
    std::string StoreFailureText() const;

    QWidget& window_;
    InputGate& gate_;
    Game& game_;
    const Game* aside_ = nullptr;
    MouseState& mouse_;
    bool endedFromOutside_ = false;
    bool exited_ = false;
    bool windowGone_ = false;
    bool storeFailureShown_ = false;
};

} // namespace tandrel
