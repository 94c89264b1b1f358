#pragma once
// "The Rules": a short look at the rules in a viewport that a scroll bar
// moves when the text is taller than the window.
#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QScrollBar;

namespace tandrel {

class frmFirst : public QDialog {
    Q_OBJECT
public:
    explicit frmFirst(QWidget* owner = nullptr);

    QFrame* Picture1;              // the viewport
    QWidget* Picture2;             // the content, taller than the viewport
    QScrollBar* VScroll1;
    std::array<QLabel*, 2> Label1; // the heading and the rules
    QPushButton* Command1;

protected:
    void wheelEvent(QWheelEvent* e) override;

private:
    void VScroll1_Change(int value);
};

// Shows the rules window modally.
void ShowRules(QWidget* owner);

} // namespace tandrel
