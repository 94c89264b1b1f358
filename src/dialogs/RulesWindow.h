#pragma once
// "The Rules": a short look at the rules in a viewport that a scroll bar
// moves when the text is taller than the window.
#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tandrel {

class RulesWindow : public QDialog {
    Q_OBJECT
public:
    explicit RulesWindow(QWidget* owner = nullptr);

    QFrame* viewport;
    QWidget* page;        // the heading and the rules, taller than the viewport
    QScrollBar* scrollBar;
    QLabel* heading;
    QLabel* rules;
    QPushButton* okButton;

protected:
    void wheelEvent(QWheelEvent* e) override;

private:
    void ScrollTo(int value);
};

// Shows the rules window modally.
void ShowRules(QWidget* owner);

} // namespace tandrel
