#pragma once
// The table through the accessibility bus, where a screen reader finds it: its
// places as children named by what they hold, the keyboard's focus as the
// accessible focus, and what the game says (each move, a card lifted or
// refused, a turn or a game ending) as a notification.
#include <QAccessible>
#include <QAccessibleWidget>
#include <QString>
#include <functional>
#include <vector>

#include "input/Keyboard.h"

namespace tandrel {

class PlayAids;
class TableWidget;

// What the table's children read: the game, the keyboard's focus and the last words said.
class TableSpeaker {
public:
    TableSpeaker(const Game& g, const PlayAids& aids) : game_(g), aids_(aids) {}

    // The stock, the waste, the piles, the foundations, the computer's waste,
    // the score board, the status panel and the words said: in reading order.
    static constexpr int StatusIndex = static_cast<int>(TabOrder.size());
    static constexpr int SaidIndex = StatusIndex + 1;
    static constexpr int Count = SaidIndex + 1;

    QString Name(int index) const;
    // Where on its place the focus is, when that is not the whole place: the
    // card a run would be lifted from, below a pile's top.
    QString Description(int index) const;
    QAccessible::Role Role(int index) const;
    Rect Area(int index) const; // table pixels
    int FocusIndex() const;     // the keyboard's place, -1 while the focus is not shown

    // Tells the bus: the focus when it moved, the names that changed, the words said.
    void Update(TableWidget& widget);
    void Say(TableWidget& widget, const QString& words);

    // Where the events go: the bus while a screen reader listens; a test's own ear.
    std::function<void(QAccessibleEvent&)> notify = [](QAccessibleEvent& e) {
        if (QAccessible::isActive()) QAccessible::updateAccessibility(&e);
    };

private:
    TablePlace Place(int index) const;

    const Game& game_;
    const PlayAids& aids_;
    QString said_;
    int lastFocus_ = -1;
    int lastFocusSlot_ = 0;
    std::vector<QString> lastNames_ = std::vector<QString>(Count);
};

// Makes the table widget's accessible interface the one above; once, before the window.
void InstallTableAccessibility();

} // namespace tandrel
