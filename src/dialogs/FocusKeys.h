#pragma once
// What a dialog's keyboard needs beyond Qt's defaults: a frame whose access key
// goes to one chosen control, option groups that Tab enters at their checked
// button, and a Tab order given as a list.
#include <QGroupBox>
#include <functional>
#include <initializer_list>
#include <span>

class QRadioButton;

namespace tandrel {

// A titled frame whose access key always gives the focus to buddy's answer (its
// list, the checked one of its options), not to the control that had it last.
class KeyedFrame : public QGroupBox {
public:
    KeyedFrame(const QString& title, std::function<QWidget*()> buddy);

protected:
    bool event(QEvent* e) override;

private:
    std::function<QWidget*()> buddy_;
};

// Only the checked button of the group is a Tab stop, whenever the check moves;
// the arrows still move between the buttons. With none checked, all are.
void TabToChecked(std::span<QRadioButton* const> group);

// The checked button of the group, or its first.
QRadioButton* CheckedOf(std::span<QRadioButton* const> group);

// Tab goes through the controls in the order listed.
void ChainTabOrder(std::initializer_list<QWidget*> order);

} // namespace tandrel
