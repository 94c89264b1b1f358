#pragma once
// The client area of the main window: shows the table picture and signals the
// mouse, in table pixels, and the table's keys.
#include <QTransform>
#include <QWidget>

#include "input/Keyboard.h"

namespace tandrel {

class PlayAids;
class TableSpeaker;
class WindowTable;

class TableWidget : public QWidget {
    Q_OBJECT
public:
    explicit TableWidget(QWidget* parent);
    void SetTable(WindowTable* table) { table_ = table; }
    // Painted over the table, in table pixels.
    void SetAids(const PlayAids* aids) { aids_ = aids; }
    // What the table's places say to a screen reader.
    void SetSpeaker(const TableSpeaker* speaker) { speaker_ = speaker; }
    const TableSpeaker* Speaker() const { return speaker_; }

    // Fit Table to Window: the table keeps the size of the first window
    // (fitSize) and is scaled to the widget, shape kept, centred; the mouse is
    // mapped back to table pixels. Off: the table is the widget's size, at
    // least fitSize.
    void SetFit(bool fit, QSize fitSize);
    bool Fit() const { return fit_; }
    QPointF ToTable(QPointF widgetPoint) const { return toWidget_.inverted().map(widgetPoint); }
    QRect ToWidget(const QRect& tableRect) const { return toWidget_.mapRect(tableRect); }

signals:
    // The mouse in table pixels, in the order the rules expect for a
    // double-click: press, release, double-click, release.
    void pressed(int button, float x, float y);
    void moved(float x, float y);
    void released(int button, float x, float y);
    void doubleClicked(int button, float x, float y);
    // The window deactivated or the focus went: a drag's release will never come.
    void lostMouse();
    void keyPressed(tandrel::TableKey key);

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    // Tab moves the focus on the table, not between widgets.
    bool focusNextPrevChild(bool) override { return false; }

private:
    bool IsSecondPressOfDoubleClick(const QMouseEvent* e) const;
    void SizeTable();
    double FitFactor() const;
    int WantedScale() const;
    void PaintFitted(QPainter& p, const QRegion& exposed);
    bool PaintsStore(QPainter& p) const;
    uchar* StoreMemory(QPainter& p, qsizetype& bytesPerLine) const;
    bool PaintInPlace(QPainter& p, const QRegion& exposed);

    WindowTable* table_ = nullptr;
    const PlayAids* aids_ = nullptr;
    const TableSpeaker* speaker_ = nullptr;
    // The last press, to tell the second press of a double-click from a press of its own.
    Qt::MouseButton lastButton_ = Qt::NoButton;
    quint64 lastPressTime_ = 0;
    QPointF lastPressPos_;
    bool doubleClickPending_ = false;
    bool fit_ = false;
    QSize fitSize_;
    QTransform toWidget_; // table pixels to widget pixels
};

} // namespace tandrel
