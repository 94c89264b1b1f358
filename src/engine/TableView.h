#pragma once
// What a screen does for the table layer (src/show/): draw cards and panels,
// keep the two surfaces of a move, pace a slide's frames, play a sound, ask a
// question, pause. The rules, the computer and the mouse's meaning never call
// it. The Qt table implements it; tests use a headless view that records the calls.
#include <string>

namespace tandrel {

enum class Surface { Window, TableBuffer, DragImage };
enum class MsgIcon { Information, Exclamation, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

class TableView {
public:
    virtual ~TableView() = default;

    // Cards and the two off-screen surfaces of a card move.
    virtual void DrawCard(Surface s, int x, int y, int card) = 0;
    virtual void RestoreBackground(Surface s, int x, int y, int w, int h) = 0; // from the bare table
    virtual void SnapshotTable() = 0;
    virtual bool HasTableBuffer() const = 0;
    virtual void CaptureDragImage(int x, int y, int w, int h) = 0;
    virtual void ReleaseBuffers() = 0;
    virtual void ShowTableBuffer() = 0; // copy the whole TableBuffer to the window

    // Slides: one frame of the drag image at (x, y), and the pacing between frames.
    virtual void SlideStarted(float x, float y, float targetX, float targetY) { (void)x, (void)y, (void)targetX, (void)targetY; }
    virtual void DrawMoveFrame(float x, float y, int w, int h) = 0;
    virtual void FrameDelay() = 0;

    // Piles and panels; they read the game state the view was made for.
    virtual void DrawTableBackground() = 0; // repaint the bare table and copy it to the window
    virtual void DrawFoundationWells() = 0;
    virtual void DrawStock(int side) = 0;
    virtual void DrawEmptyStock(int side) = 0;
    virtual void ShowHandAtEnd(int side) = 0;
    virtual void ScoreBoard(bool full) = 0;
    virtual void StatusPanel(bool forceNewGameHint) = 0;
    virtual void RedrawTable() = 0;

    // Time, sound and messages.
    virtual void Pause(int ms) = 0;   // keeps the window painting, drops input
    virtual void DoEvents() = 0;
    virtual void PlayWave(int index) = 0;
    virtual MsgAnswer ShowMessage(const std::string& text, MsgIcon icon, MsgButtons buttons,
                                  const std::string& title) = 0;
    virtual void SetBusyCursor(bool busy) = 0;
    // Words for a screen reader: a move as it is shown, a card lifted or refused, a turn or a game ending.
    virtual void Say(const std::string& words) { (void)words; }
};

// The view of a game no screen stands behind (the computer's look-ahead, a
// window not yet built): it shows and records nothing. One per thread.
TableView& NoScreen();

} // namespace tandrel
