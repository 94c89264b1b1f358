// The status panel, the score board and the empty stock place.
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "render/Outlines.h"
#include "render/QtTable.h"

namespace tandrel {

QRect AsQRect(const Rect& r) { return QRect(int(r.left), int(r.top), int(r.right - r.left), int(r.bottom - r.top)); }

QFont FittingFont(QFont font, const QPaintDevice& device, const QString& text, int room)
{
    while (QFontMetrics(font, &device).horizontalAdvance(text) > room && font.pointSizeF() > 5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

namespace {

const QRect StatusArea = AsQRect(StatusPanelArea);
const QRect ScoreArea = AsQRect(ScoreBoardArea);

int Whole(double v) { return static_cast<int>(std::nearbyint(v)); }

// Text is placed by the top left of its line, as the panels are laid out.
void PrintAt(QPainter& p, double x, double y, const QString& text, const QColor& colour = WindowText())
{
    p.setPen(colour);
    p.drawText(QPoint(Whole(x), Whole(y) + p.fontMetrics().ascent()), text);
}

QString NewGameLine() { return QCoreApplication::translate("Table", "Press F2 to start a new game."); }
QString GameOverLine() { return QCoreApplication::translate("Table", "Game Over!"); }
QString YourTurnLine1() { return QCoreApplication::translate("Table", "It is your turn. Click the"); }
QString YourTurnLine2() { return QCoreApplication::translate("Table", "score board when finished."); }
QString WaitLine() { return QCoreApplication::translate("Table", "Please wait..."); }

// Where the score board's numbers stand: past its longest label and a few blanks.
template <typename Metrics>
auto ScoreColumn(const Metrics& m)
{
    decltype(m.horizontalAdvance(QString())) column = 0;
    for (const QString& label : ScoreLabels()) column = std::max(column, m.horizontalAdvance(label + "       "));
    return column;
}

} // namespace

StatusText StatusLines(const Game& g, bool forceNewGameHint)
{
    if (forceNewGameHint) return {NewGameLine(), "", g.ComputerBusy};
    if (g.GameOver) return {GameOverLine(), NewGameLine(), false};
    if (!g.ComputerBusy) return {YourTurnLine1(), YourTurnLine2(), false};
    return {WaitLine(), "", true};
}

QStringList StatusPanelLines()
{
    return {YourTurnLine1(), YourTurnLine2(), NewGameLine(), GameOverLine(), WaitLine()};
}

QStringList ScoreLabels()
{
    return {QCoreApplication::translate("Table", "Your cards left: "),
            QCoreApplication::translate("Table", "Opponent's cards left: "), QCoreApplication::translate("Table", "Win: "),
            QCoreApplication::translate("Table", "Loss: ")};
}

double ScoreColumnWidth(const QFontMetricsF& m) { return ScoreColumn(m); }

void QtTable::DrawPanel(int x, int y, int w, int h, const QString& line1, const QString& line2, bool busy)
{
    if (!HasWindow()) return;
    QPainter p(&WindowFor(QRect(x, y, w, h)));
    const QColor face = busy && !line1.isEmpty() ? QColor(Qt::white) : ButtonFace();
    p.setBrush(face);
    // Rounded boxes of 20 x 20 corners: black, then shadow and highlight inside.
    p.setPen(QPen(Qt::black, 0));
    p.drawRoundedRect(QRect(x, y, w - 1, h - 1), 10, 10);
    // The face once: the inner boxes lie inside the outline, so filling them
    // again would only repaint the same face (unless it lets the table through).
    if (face.alpha() == 255) p.setBrush(Qt::NoBrush);
    p.setPen(QPen(ButtonShadow(), 0));
    p.drawRoundedRect(QRect(x + 1, y + 1, w - 3, h - 3), 10, 10);
    p.setPen(QPen(ButtonHighlight(), 0));
    p.drawRoundedRect(QRect(x + 2, y + 2, w - 4, h - 4), 10, 10);
    p.setBrush(Qt::NoBrush);

    // The chamfered inner outline.
    const QColor black(Qt::black);
    Segment(p, black, x + 2, y + 7, x + 7, y + 2);
    Segment(p, black, x + 7, y + 2, x + w - 7, y + 2);
    Segment(p, black, x + w - 8, y + 2, x + w - 3, y + 7);
    Segment(p, black, x + w - 3, y + 7, x + w - 3, y + h - 7);
    Segment(p, black, x + w - 4, y + h - 7, x + w - 8, y + h - 3);
    Segment(p, black, x + w - 8, y + h - 3, x + 7, y + h - 3);
    Segment(p, black, x + 7, y + h - 3, x + 2, y + h - 8);
    Segment(p, black, x + 2, y + h - 7, x + 2, y + 7);

    if (!line1.isEmpty()) {
        QFont font = font_;
        font.setBold(busy);
        const int room = w - 2 * PanelTextMargin;
        const QFont font1 = FittingFont(font, window_, line1, room);
        const QFontMetrics m1(font1, &window_);
        const int cy1 = m1.height();
        const double t = line2.isEmpty() ? cy1 / 2.0 + 4 : cy1 / 4.0;
        const int top = y + Whole(t);
        // Black on the white face: the desktop's text colour may be light.
        const QColor ink = busy ? QColor(Qt::black) : WindowText();
        p.setFont(font1);
        PrintAt(p, x + (w - m1.horizontalAdvance(line1)) / 2.0, top, line1, ink);
        if (!line2.isEmpty()) {
            const QFont font2 = FittingFont(font, window_, line2, room);
            const QFontMetrics m2(font2, &window_);
            p.setFont(font2);
            PrintAt(p, x + (w - m2.horizontalAdvance(line2)) / 2.0, top + m2.height(), line2, ink);
        }
    }
    p.end();
    WindowChanged({x, y, w, h});
}

// Inside the panels, clear of their rounded corners and outlines: always
// filled with the face (opaque when ButtonFace is).
QRegion QtTable::PanelFaces() const
{
    QRegion faces;
    for (const QRect& r : {StatusArea, ScoreArea}) {
        if (r == ScoreArea && !g_.cfg.ShowStats) continue;
        faces += r.adjusted(11, 2, -11, -2);
        faces += r.adjusted(2, 11, -2, -11);
    }
    return faces;
}

void QtTable::StatusPanel(bool forceNewGameHint)
{
    const StatusText s = StatusLines(g_, forceNewGameHint);
    DrawPanel(StatusArea.x(), StatusArea.y(), StatusArea.width(), StatusArea.height(), s.line1, s.line2, s.busy);
}

// The cards each side holds and the player's wins and losses. The numbers
// stand in one column right of the longest label; a partial update wipes and
// reprints only them.
void QtTable::ScoreBoard(bool full)
{
    if (!g_.cfg.ShowStats || !HasWindow()) return;
    if (full) DrawPanel(ScoreArea.x(), ScoreArea.y(), ScoreArea.width(), ScoreArea.height(), "", "", false);

    QPainter p(&WindowFor(ScoreArea));
    p.setFont(font_);
    const QFontMetrics m = p.fontMetrics();
    const int H = m.height();
    const QStringList labels = ScoreLabels();
    const int column = ScoreLabelX + ScoreColumn(m);
    const auto number = [](int n) { return QString::number(n); };

    if (full) {
        QFont bold = font_;
        bold.setBold(true);
        p.setFont(bold);
        const QString title = QCoreApplication::translate("Table", "Score Board");
        PrintAt(p, ScoreArea.x() + (ScoreArea.width() - p.fontMetrics().horizontalAdvance(title)) / 2.0, ScoreTitleY,
                title);
        p.setFont(font_);
        PrintAt(p, ScoreLabelX, ScoreRowY, labels[0]);
    } else {
        p.fillRect(QRect(column, ScoreRowY, ScoreNumberWidth, ScoreNumberWidth), ButtonFace());
    }
    PrintAt(p, column, ScoreRowY, number(CardsLeft(g_, 1)));

    const int secondRowY = ScoreRowY + ScoreSecondRowGap + H;
    if (full)
        PrintAt(p, ScoreLabelX, secondRowY, labels[1]);
    else
        p.fillRect(QRect(column, ScoreRowY + H, ScoreNumberWidth, ScoreNumberWidth), ButtonFace());
    PrintAt(p, column, secondRowY, number(CardsLeft(g_, 2)));

    if (full) {
        const int below = secondRowY + H + ScoreSecondRowGap; // under the opponent's row
        Segment(p, WindowText(), ScoreRuleLeft, below, ScoreRuleRight, below);
        PrintAt(p, ScoreLabelX, ScoreWinRowY + H, labels[2]);
        PrintAt(p, column, ScoreWinRowY + H, number(g_.Wins));
        PrintAt(p, ScoreLabelX, ScoreLossRowY + H, labels[3]);
        PrintAt(p, column, ScoreLossRowY + H, number(g_.Losses));
    }
    p.end();
    WindowChanged(full ? ScoreArea : QRect(column, ScoreRowY, ScoreNumberWidth, H + ScoreNumberWidth));
}

// A side that went through its stock: an outlined place with the pass number.
void QtTable::DrawEmptyStock(int side)
{
    if (!HasWindow()) return;
    const int x = StockX, y = HandRowY(side);
    const int right = x + EmptyStockWidth - 1, bottom = y + CardHeight - 2;
    RestoreBackground(Surface::Window, x, y, StockAreaWidth, StockAreaHeight);
    QPainter p(&WindowFor(QRect(x - 1, y - 1, StockAreaWidth + 1, StockAreaHeight + 1)));
    OutlinedBox(p, x - 1, y - 1, right + 1, bottom + 1, ButtonFace());
    Segment(p, ButtonShadow(), x, y, right, y);
    Segment(p, ButtonShadow(), x, y, x, bottom);
    Segment(p, ButtonHighlight(), x, bottom, right, bottom);
    Segment(p, ButtonHighlight(), right, y, right, bottom);

    p.setFont(font_);
    const QString label = QCoreApplication::translate("Table", "Round %1").arg(g_.StockPasses(side));
    const QFontMetrics m = p.fontMetrics();
    PrintAt(p, x + (EmptyStockWidth - m.horizontalAdvance(label)) / 2.0, y + (CardHeight - m.height()) / 2.0, label);
    p.end();
    WindowChanged({x - 1, y - 1, StockAreaWidth + 1, StockAreaHeight + 1});
}

} // namespace tandrel
