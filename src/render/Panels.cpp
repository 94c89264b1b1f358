// The status panel, the score board and the empty stock place.
#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "engine/Deal.h"
#include "render/Fonts.h"
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

QString NewGameLine() { return QCoreApplication::translate("Table", "Press F2 to start a new game."); }
QString GameOverLine() { return QCoreApplication::translate("Table", "Game Over!"); }
QString YourTurnLine1() { return QCoreApplication::translate("Table", "It is your turn. Click the"); }
QString YourTurnLine2() { return QCoreApplication::translate("Table", "score board when finished."); }
QString WaitLine() { return QCoreApplication::translate("Table", "Please wait..."); }
QString ScoreTitle() { return QCoreApplication::translate("Table", "Score Board"); }
QString RoundLabel(int passes) { return QCoreApplication::translate("Table", "Round %1").arg(passes); }
// Between a score label and its column.
const QString ScoreGap = "       ";

// Where the score board's numbers stand: past its longest label and a few blanks.
template <typename Metrics>
auto ScoreColumn(const Metrics& m)
{
    decltype(m.horizontalAdvance(QString())) column = 0;
    for (const QString& label : ScoreLabels()) column = std::max(column, m.horizontalAdvance(label + ScoreGap));
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

const QFont& QtTable::TextFont()
{
    if (fontKnown_) return font_;
    // Waiting longer would cost more than measuring here: the thread may not
    // have had a core yet on a busy machine.
    if (prepared_.Take(std::chrono::milliseconds(4))) {
        font_ = QFont(TableFontFamily());
        font_.setPointSizeF(prepared_.TablePoints());
    } else {
        font_ = TableFont(QImage(1, 1, QImage::Format_RGB32));
    }
    fontKnown_ = true;
    return font_;
}

// What the first picture and the deal write: the status lines, the score
// board as the game stands and as a deal leaves it, the empty stocks.
void QtTable::PrepareText()
{
    if (fontKnown_) return;
    const QColor ink = WindowText(), face = ButtonFace();
    const int room = StatusArea.width() - 2 * PanelTextMargin;
    std::vector<TextOrder> orders;
    for (const QString& line : {NewGameLine(), YourTurnLine1(), YourTurnLine2(), GameOverLine()})
        orders.push_back({line, false, room, ink, face});
    orders.push_back({WaitLine(), true, room, Qt::black, Qt::white});
    orders.push_back({ScoreTitle(), true, 0, ink, face});
    for (const QString& label : ScoreLabels()) {
        orders.push_back({label, false, 0, ink, face});
        orders.push_back({label + ScoreGap, false, 0, {}, {}});
    }
    for (const int n : {CardsLeft(g_, 1), CardsLeft(g_, 2), DealtToEachSide, g_.Wins, g_.Losses})
        orders.push_back({QString::number(n), false, 0, ink, face});
    for (int side = 1; side <= 2; ++side) orders.push_back({RoundLabel(g_.StockPasses(side)), false, 0, ink, face});
    prepared_.Start(TableFontFamily(), TableFontPoints(), std::move(orders), scale_);
}

QFont QtTable::Fit(const QFont& font, const QString& text, int room)
{
    if (double points = 0; prepared_.Fitted(font, text, room, points)) {
        QFont fitted = font;
        fitted.setPointSizeF(points);
        return fitted;
    }
    return FittingFont(font, window_, text, room);
}

LineFacts QtTable::Facts(const QFont& font)
{
    if (LineFacts facts; prepared_.Facts(font, facts)) return facts;
    const QFontMetrics m(font, &window_);
    return {m.ascent(), m.height()};
}

int QtTable::Advance(const QFont& font, const QString& text)
{
    if (int advance = 0; prepared_.Advance(font, text, advance)) return advance;
    return QFontMetrics(font, &window_).horizontalAdvance(text);
}

int QtTable::ScoreColumn()
{
    int column = 0;
    for (const QString& label : ScoreLabels()) column = std::max(column, Advance(TextFont(), label + ScoreGap));
    return column;
}

// Text is placed by the top left of its line, as the panels are laid out.
void QtTable::Print(QPainter& p, const QFont& font, double x, double y, const QString& text, const QColor& ink,
                    const QColor& face)
{
    const QPoint line(Whole(x), Whole(y));
    const TextPicture* picture = prepared_.Picture(font, text, ink, face);
    if (picture && OnlyFaceUnder(*picture, line + picture->at)) {
        p.drawImage(line + picture->at, picture->image);
        ++preparedLinesDrawn_;
        return;
    }
    p.setFont(font);
    p.setPen(ink);
    p.drawText(QPoint(line.x(), line.y() + Facts(font).ascent), text);
}

// Text drawn on one colour gives the same pixels wherever it is drawn: the
// picture may stand in for it where the window has nothing but that colour.
bool QtTable::OnlyFaceUnder(const TextPicture& picture, const QPoint& at) const
{
    if (picture.image.devicePixelRatio() != scale_ || picture.face.alpha() != 255) return false;
    const QRect r(at * scale_, picture.image.size());
    if (!window_.rect().contains(r) || window_.format() != QImage::Format_RGB32) return false;
    const QRgb face = picture.face.rgb();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(window_.constScanLine(y));
        for (int x = r.left(); x <= r.right(); ++x)
            if (row[x] != face) return false;
    }
    return true;
}

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
        QFont font = TextFont();
        font.setBold(busy);
        const int room = w - 2 * PanelTextMargin;
        const QFont font1 = Fit(font, line1, room);
        const int cy1 = Facts(font1).height;
        const double t = line2.isEmpty() ? cy1 / 2.0 + 4 : cy1 / 4.0;
        const int top = y + Whole(t);
        // Black on the white face: the desktop's text colour may be light.
        const QColor ink = busy ? QColor(Qt::black) : WindowText();
        Print(p, font1, x + (w - Advance(font1, line1)) / 2.0, top, line1, ink, face);
        if (!line2.isEmpty()) {
            const QFont font2 = Fit(font, line2, room);
            Print(p, font2, x + (w - Advance(font2, line2)) / 2.0, top + Facts(font2).height, line2, ink, face);
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
    const QFont& font = TextFont();
    const int H = Facts(font).height;
    const QStringList labels = ScoreLabels();
    const int column = ScoreLabelX + ScoreColumn();
    const QColor ink = WindowText(), face = ButtonFace();
    const auto print = [&](int x, int y, const QString& text) { Print(p, font, x, y, text, ink, face); };
    const auto number = [](int n) { return QString::number(n); };

    if (full) {
        QFont bold = font;
        bold.setBold(true);
        const QString title = ScoreTitle();
        Print(p, bold, ScoreArea.x() + (ScoreArea.width() - Advance(bold, title)) / 2.0, ScoreTitleY, title, ink, face);
        print(ScoreLabelX, ScoreRowY, labels[0]);
    } else {
        p.fillRect(QRect(column, ScoreRowY, ScoreNumberWidth, ScoreNumberWidth), face);
    }
    print(column, ScoreRowY, number(CardsLeft(g_, 1)));

    const int secondRowY = ScoreRowY + ScoreSecondRowGap + H;
    if (full)
        print(ScoreLabelX, secondRowY, labels[1]);
    else
        p.fillRect(QRect(column, ScoreRowY + H, ScoreNumberWidth, ScoreNumberWidth), face);
    print(column, secondRowY, number(CardsLeft(g_, 2)));

    if (full) {
        const int below = secondRowY + H + ScoreSecondRowGap; // under the opponent's row
        Segment(p, ink, ScoreRuleLeft, below, ScoreRuleRight, below);
        print(ScoreLabelX, ScoreWinRowY + H, labels[2]);
        print(column, ScoreWinRowY + H, number(g_.Wins));
        print(ScoreLabelX, ScoreLossRowY + H, labels[3]);
        print(column, ScoreLossRowY + H, number(g_.Losses));
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

    const QFont& font = TextFont();
    const QString label = RoundLabel(g_.StockPasses(side));
    Print(p, font, x + (EmptyStockWidth - Advance(font, label)) / 2.0, y + (CardHeight - Facts(font).height) / 2.0,
          label, WindowText(), ButtonFace());
    p.end();
    WindowChanged({x - 1, y - 1, StockAreaWidth + 1, StockAreaHeight + 1});
}

} // namespace tandrel
