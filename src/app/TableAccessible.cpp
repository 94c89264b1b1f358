#include "app/TableAccessible.h"

#include <QCoreApplication>
#include <algorithm>

#include "app/PlayAids.h"
#include "app/TableWidget.h"
#include "engine/Layout.h"
#include "opponent/HintWords.h"
#include "render/QtTable.h"
#include "show/Speech.h"

namespace tandrel {

namespace {

QString Words(const std::string& s) { return QString::fromStdString(s); }

// One place of the table: no widget of its own, read through its table.
class PlaceAccessible : public QAccessibleInterface {
public:
    PlaceAccessible(QAccessibleInterface* table, int index) : table_(table), index_(index) {}

    bool isValid() const override { return table_->isValid() && Speaker(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return table_->window(); }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override
    {
        if (!Speaker()) return {};
        if (t == QAccessible::Name) return Speaker()->Name(index_);
        return t == QAccessible::Description ? Speaker()->Description(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override
    {
        const auto* w = Widget();
        if (!w || !Speaker()) return {};
        return w->ToWidget(AsQRect(Speaker()->Area(index_))).translated(w->mapToGlobal(QPoint(0, 0)));
    }
    QAccessible::Role role() const override { return Speaker() ? Speaker()->Role(index_) : QAccessible::NoRole; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        const auto* w = Widget();
        s.focusable = index_ < TableSpeaker::StatusIndex;
        s.focused = s.focusable && w && w->hasFocus() && Speaker() && Speaker()->FocusIndex() == index_;
        s.invisible = !w || !w->isVisible();
        s.readOnly = !s.focusable;
        return s;
    }

private:
    const TableWidget* Widget() const { return qobject_cast<const TableWidget*>(table_->object()); }
    const TableSpeaker* Speaker() const { return Widget() ? Widget()->Speaker() : nullptr; }

    QAccessibleInterface* table_;
    int index_;
};

// The table widget with its places as children.
class TableAccessibleWidget : public QAccessibleWidget {
public:
    explicit TableAccessibleWidget(TableWidget* w) : QAccessibleWidget(w, QAccessible::Pane) {}
    ~TableAccessibleWidget() override
    {
        for (QAccessible::Id id : children_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Speaker() ? TableSpeaker::Count : 0; }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount()) return nullptr;
        if (children_.empty()) {
            auto* self = const_cast<TableAccessibleWidget*>(this);
            for (int i = 0; i < TableSpeaker::Count; ++i)
                children_.push_back(QAccessible::registerAccessibleInterface(new PlaceAccessible(self, i)));
        }
        return QAccessible::accessibleInterface(children_[static_cast<std::size_t>(index)]);
    }
    int indexOfChild(const QAccessibleInterface* c) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i) == c) return i;
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (child(i)->rect().contains(x, y)) return child(i);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override
    {
        const int focus = Speaker() ? Speaker()->FocusIndex() : -1;
        return focus >= 0 ? child(focus) : nullptr;
    }
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name) return QCoreApplication::translate("Speech", "Card table");
        return QAccessibleWidget::text(t);
    }

private:
    const TableSpeaker* Speaker() const
    {
        const auto* w = qobject_cast<const TableWidget*>(object()); // gone while the widget is destroyed
        return w ? w->Speaker() : nullptr;
    }

    mutable std::vector<QAccessible::Id> children_;
};

QAccessibleInterface* TableFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("tandrel::TableWidget") && object && object->isWidgetType())
        return new TableAccessibleWidget(static_cast<TableWidget*>(object));
    return nullptr;
}

} // namespace

TablePlace TableSpeaker::Place(int index) const
{
    return index >= 0 && index < StatusIndex ? TabOrder[static_cast<std::size_t>(index)] : TablePlace{};
}

QString TableSpeaker::Name(int index) const
{
    if (index == SaidIndex) return said_;
    if (index == StatusIndex) {
        // A finished game's notice lies over the table: it is what the panel says then.
        if (const EndNoticeText end = EndNoticeLines(game_); end.winner != 0)
            return end.title + " " + end.score + " " + end.next;
        const OverlayPicture& o = aids_.Overlay();
        if (!o.line1.isEmpty()) return (o.line1 + " " + o.line2).trimmed();
        const StatusText s = StatusLines(game_, false);
        return (s.line1 + " " + s.line2).trimmed();
    }
    return Words(PlaceWords(game_, Place(index)));
}

QString TableSpeaker::Description(int index) const
{
    const TablePlace focus = aids_.keys.focus;
    if (index != FocusIndex() || focus.kind != PlaceKind::Pile) return {};
    const int slot = SlotOf(game_, focus);
    if (slot <= 0 || slot == FaceUpCount(game_, focus.index)) return {};
    return QCoreApplication::translate("Speech", "From the %1").arg(Words(CardName(game_.Tableau(focus.index, slot))));
}

QAccessible::Role TableSpeaker::Role(int index) const
{
    if (index == SaidIndex) return QAccessible::Notification;
    return index == StatusIndex ? QAccessible::StatusBar : QAccessible::Button;
}

Rect TableSpeaker::Area(int index) const
{
    if (index == StatusIndex || index == SaidIndex) return StatusPanelArea;
    return PlaceRect(game_, Place(index));
}

int TableSpeaker::FocusIndex() const
{
    if (!aids_.keys.shown) return -1;
    const TablePlace at{aids_.keys.focus.kind, aids_.keys.focus.index}; // a pile by itself, whatever card
    const auto it = std::find(TabOrder.begin(), TabOrder.end(), at);
    return it == TabOrder.end() ? -1 : static_cast<int>(it - TabOrder.begin());
}

void TableSpeaker::Update(TableWidget& widget)
{
    for (int i = 0; i < SaidIndex; ++i) {
        QString name = Name(i);
        if (name == lastNames_[static_cast<std::size_t>(i)]) continue;
        lastNames_[static_cast<std::size_t>(i)] = name;
        QAccessibleEvent changed(&widget, QAccessible::NameChanged);
        changed.setChild(i);
        notify(changed);
        // A hint or a notice over the status panel is said as it appears.
        if (i == StatusIndex && !aids_.Overlay().line1.isEmpty()) Say(widget, name);
    }
    // Walking a pile's cards keeps the place but moves the focus, so it is told again.
    const int focus = widget.hasFocus() ? FocusIndex() : -1;
    const int slot = focus >= 0 ? SlotOf(game_, aids_.keys.focus) : 0;
    if (focus >= 0 && (focus != lastFocus_ || slot != lastFocusSlot_)) {
        QAccessibleEvent moved(&widget, QAccessible::Focus);
        moved.setChild(focus);
        notify(moved);
    }
    lastFocus_ = focus;
    lastFocusSlot_ = slot;
}

void TableSpeaker::Say(TableWidget& widget, const QString& words)
{
    said_ = words;
    for (const QAccessible::Event kind : {QAccessible::NameChanged, QAccessible::ObjectShow}) {
        QAccessibleEvent event(&widget, kind);
        event.setChild(SaidIndex);
        notify(event);
    }
}

void InstallTableAccessibility()
{
    static bool installed = false;
    if (!installed) QAccessible::installFactory(TableFactory);
    installed = true;
}

} // namespace tandrel
