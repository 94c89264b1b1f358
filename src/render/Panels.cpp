// The status panel, the score board and the empty stock place.
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "render/Outlines.h"
#include "render/QtTable.h"

namespace tandrel {

namespace {

constexpr int PanelX = 380;
constexpr QRect StatusArea(380, 125, 200, 45);
constexpr QRect ScoreArea(380, 180, 200, 115);
constexpr int LineMargin = 8; // text keeps clear of the chamfered inner outline

int Whole(double v) { return static_cast<int>(std::nearbyint(v)); }

// A line too wide for its panel (a bold line can be) is set a little smaller.
QFont FittingFont(QFont font, const QPaintDevice& device, const QString& text, int room)
{
    while (QFontMetrics(font, &device).horizontalAdvance(text) > room && font.pointSizeF() > 5)
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

// Text is placed by the top left of its line, as the panels are laid out.
void PrintAt(QPainter& p, double x, double y, const QString& text, const QColor& colour = WindowText())
{
    p.setPen(colour);
    p.drawText(QPoint(Whole(x), Whole(y) + p.fontMetrics().ascent()), text);
}

} // namespace

StatusText StatusLines(const Game& g, bool forceNewGameHint)
{
    if (forceNewGameHint) return {"Press F2 to start a new game.", "", g.ComputerBusy};
    if (g.GameOver) return {"Game Over!", "Press F2 to start a new game.", false};
    if (!g.ComputerBusy) return {"It is your turn. Click the", "score board when finished.", false};
    return {"Please wait...", "", true};
}

void QtTable::DrawPanel(int x, int y, int w, int h, const QString& line1, const QString& line2, bool busy)
{
    if (window_.isNull()) return;
    QPainter p(&window_);
    const QColor face = busy && !line1.isEmpty() ? QColor(Qt::white) : ButtonFace();
    p.setBrush(face);
    // Rounded boxes of 20 x 20 corners: black, then shadow and highlight inside.
    p.setPen(QPen(Qt::black, 0));
    p.drawRoundedRect(QRect(x, y, w - 1, h - 1), 10, 10);
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
        const int room = w - 2 * LineMargin;
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
    if (g_.cfg.ShowStats == 0 || window_.isNull()) return;
    if (full) DrawPanel(ScoreArea.x(), ScoreArea.y(), ScoreArea.width(), ScoreArea.height(), "", "", false);

    QPainter p(&window_);
    p.setFont(font_);
    const QFontMetrics m = p.fontMetrics();
    const int H = m.height();
    const int column = 390 + m.horizontalAdvance("Opponent's cards left:        ");
    const auto number = [](int n) { return QString::number(n); };

    if (full) {
        QFont bold = font_;
        bold.setBold(true);
        p.setFont(bold);
        const QString title = "Score Board";
        PrintAt(p, PanelX + (200 - p.fontMetrics().horizontalAdvance(title)) / 2.0, 185, title);
        p.setFont(font_);
        PrintAt(p, 390, 205, "Your cards left: ");
    } else {
        p.fillRect(QRect(column, 205, 20, 20), ButtonFace());
    }
    PrintAt(p, column, 205, number(g_.CardsLeft(1)));

    if (full)
        PrintAt(p, 390, 210 + H, "Opponent's cards left: ");
    else
        p.fillRect(QRect(column, 205 + H, 20, 20), ButtonFace());
    PrintAt(p, column, 210 + H, number(g_.CardsLeft(2)));

    if (full) {
        const int below = 210 + 2 * H + 5; // under the opponent's row
        Segment(p, WindowText(), 400, below, 560, below);
        PrintAt(p, 390, 235 + H, "Win: ");
        PrintAt(p, column, 235 + H, number(g_.Wins));
        PrintAt(p, 390, 255 + H, "Loss: ");
        PrintAt(p, column, 255 + H, number(g_.Losses));
    }
    p.end();
    WindowChanged(full ? ScoreArea : QRect(column, 205, 20, H + 20));
}

// A side that went through its stock: an outlined place with the pass number.
void QtTable::DrawEmptyStock(int side)
{
    if (window_.isNull()) return;
    const int y = HandRowY(side);
    RestoreBackground(Surface::Window, 380, y, 80, 100);
    QPainter p(&window_);
    OutlinedBox(p, 379, y - 1, 452, y + 94, ButtonFace());
    Segment(p, ButtonShadow(), 380, y, 451, y);
    Segment(p, ButtonShadow(), 380, y, 380, y + 93);
    Segment(p, ButtonHighlight(), 380, y + 93, 451, y + 93);
    Segment(p, ButtonHighlight(), 451, y, 451, y + 93);

    p.setFont(font_);
    const QString label = "Round " + QString::number(g_.StockPasses(side));
    const QFontMetrics m = p.fontMetrics();
    PrintAt(p, 380 + (72 - m.horizontalAdvance(label)) / 2.0, y + (95 - m.height()) / 2.0, label);
    p.end();
    WindowChanged({379, y - 1, 81, 101});
}

} // namespace tandrel
