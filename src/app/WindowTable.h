#pragma once
// The table of the main window: QtTable's drawing plus the window's sense of
// time. Pauses and slides keep the event loop running so the window paints,
// while the main window drops the player's input until the move is over.
#include <QElapsedTimer>
#include <QTransform>
#include <functional>

#include "render/QtTable.h"
#include "sound/Mixer.h"

class QWidget;

namespace tandrel {

using MessageAnswerer = std::function<MsgAnswer(const std::string& text, MsgIcon, MsgButtons, const std::string&)>;

class WindowTable : public QtTable {
public:
    WindowTable(Game& g, QWidget& surface);

    void Pause(int ms) override;
    void DoEvents() override;
    void FrameDelay() override;
    void PlayWave(int index) override;
    MsgAnswer ShowMessage(const std::string& text, MsgIcon icon, MsgButtons buttons,
                          const std::string& title) override;
    void SetBusyCursor(bool busy) override;
    void Say(const std::string& words) override
    {
        if (said) said(words);
    }

    // Tests answer messages without a modal loop and let time pass at once.
    MessageAnswerer answerer;
    double timeScale = 1.0;
    int frameIntervalMs = 16; // about sixty frames a second
    Mixer* mixer = nullptr;   // none: silence
    std::function<void()> framePainted; // after each slide's frame has reached the screen
    std::function<void(const std::string&)> said; // words for a screen reader
    QTransform toSurface;     // table pixels to the widget's (Fit Table to Window)

protected:
    void Changed(const QRect& r) override;

private:
    void RunEventsFor(int ms);

    Game& game_;
    QWidget& surface_;
    QElapsedTimer lastFrame_;
    int busyCursors_ = 0;
};

} // namespace tandrel
