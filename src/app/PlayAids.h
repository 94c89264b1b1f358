#pragma once
// What the window shows over the table without touching the table picture:
// the keyboard's focus, the places that would take the card in hand, a hint,
// and a notice in the status panel. Worked out after every action and painted
// last, so the table itself stays exactly as the moves leave it.
#include <QCoreApplication>
#include <QRect>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

#include "engine/Places.h"
#include "engine/Standstill.h"
#include "input/Keyboard.h"
#include "input/Mouse.h"
#include "opponent/Hint.h"

class QFont;
class QPainter;

namespace tandrel {

enum class OutlineKind { Drop, Hint, Focus };

struct Outline {
    Rect rect;
    OutlineKind kind;
    bool operator==(const Outline&) const = default;
};

struct OverlayPicture {
    std::vector<Outline> outlines;
    QString line1, line2; // a notice over the status panel
    bool operator==(const OverlayPicture&) const = default;
};

class PlayAids {
    Q_DECLARE_TR_FUNCTIONS(PlayAids)

public:
    // changed: the overlay differs from what was painted; the window repaints.
    explicit PlayAids(std::function<void()> changed);

    // After every action and timer: the overlay for the game as it stands.
    void Refresh(const Game& g, const MouseState& m);
    const OverlayPicture& Overlay() const { return overlay_; }
    void Paint(QPainter& p, const QFont& font) const;
    // Where Paint may paint, in table pixels.
    std::vector<QRect> Reach() const;

    // Shows a hint for about two seconds; nothing in the game changes.
    void ShowHint(const Game& g);
    // A notice over the status panel until cleared (empty lines), before any other.
    void ShowNotice(const QString& line1, const QString& line2) { notice1_ = line1, notice2_ = line2; }

    KeyboardState keys;

private:
    std::function<void()> changed_;
    StandstillWatch standstill_;
    QTimer hintTimer_;
    bool hintOn_ = false;
    HintAdvice advice_ = HintAdvice::Move;
    HintMove hint_;
    OverlayPicture overlay_;
    QString notice1_, notice2_;
    std::vector<int> hintPosition_; // the position the hint was for
    const Game* game_ = nullptr;
    const MouseState* mouse_ = nullptr;
};

} // namespace tandrel
