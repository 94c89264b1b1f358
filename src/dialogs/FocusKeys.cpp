#include "dialogs/FocusKeys.h"

#include <QEvent>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace tandrel {

KeyedFrame::KeyedFrame(const QString& title, std::function<QWidget*()> buddy)
    : QGroupBox(title), buddy_(std::move(buddy))
{
}

bool KeyedFrame::event(QEvent* e)
{
    if (e->type() != QEvent::Shortcut || !buddy_) return QGroupBox::event(e);
    if (QWidget* w = buddy_(); w && w->isEnabled()) w->setFocus(Qt::ShortcutFocusReason);
    return true;
}

void TabToChecked(std::span<QRadioButton* const> group)
{
    const std::vector<QRadioButton*> buttons(group.begin(), group.end());
    const auto follow = [buttons] {
        const bool any = std::any_of(buttons.begin(), buttons.end(), [](QRadioButton* b) { return b->isChecked(); });
        for (QRadioButton* b : buttons) {
            const auto policy = static_cast<int>(b->focusPolicy());
            const bool stop = b->isChecked() || !any;
            b->setFocusPolicy(static_cast<Qt::FocusPolicy>(stop ? policy | Qt::TabFocus : policy & ~Qt::TabFocus));
        }
    };
    for (QRadioButton* b : buttons) QObject::connect(b, &QRadioButton::toggled, b, follow);
    follow();
}

QRadioButton* CheckedOf(std::span<QRadioButton* const> group)
{
    const auto checked = std::find_if(group.begin(), group.end(), [](QRadioButton* b) { return b->isChecked(); });
    return checked != group.end() ? *checked : group.front();
}

void ChainTabOrder(std::initializer_list<QWidget*> order)
{
    QWidget* previous = nullptr;
    for (QWidget* w : order) {
        if (previous) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

} // namespace tandrel
