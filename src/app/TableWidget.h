#pragma once
// The client area of the main window: shows the table picture and hands the
// mouse to the main window in table pixels.
#include <QTransform>
#include <QWidget>

namespace tandrel {

class MainWindow;
class WindowTable;

class TableWidget : public QWidget {
    Q_OBJECT
public:
    explicit TableWidget(MainWindow& owner);
    void SetTable(WindowTable* table) { table_ = table; }

    // Fit Table to Window: the table keeps the size of the first window
    // (fitSize) and is scaled to the widget, shape kept, centred; the mouse is
    // mapped back to table pixels. Off: the table is the widget's size, at
    // least fitSize.
    void SetFit(bool fit, QSize fitSize);
    bool Fit() const { return fit_; }
    QPointF ToTable(QPointF widgetPoint) const { return toWidget_.inverted().map(widgetPoint); }

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

    MainWindow& owner_;
    WindowTable* table_ = nullptr;
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
