#include "render/Fonts.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "engine/Layout.h"
#include "render/QtTable.h"

namespace tandrel {

namespace {

constexpr double SmallestPoints = 5.0;
constexpr double PointStep = 0.25;

// Room inside the panels: the status lines sit inside the panel's chamfered
// outline, the score column and its wipe strip end before the score board's
// inner edge, its last row before the bottom one.
constexpr double StatusLineRoom = StatusPanelArea.right - StatusPanelArea.left - 2 * PanelTextMargin;
constexpr double ScoreColumnRoom = ScoreBoardArea.right - PanelInnerEdge - ScoreLabelX;
constexpr double ScoreRowsRoom = ScoreBoardArea.bottom - PanelInnerEdge - ScoreLossRowY;

bool Fits(const QFont& font, const QPaintDevice& surface)
{
    const QFontMetricsF m(font, &surface);
    for (const QString& line : StatusPanelLines())
        if (m.horizontalAdvance(line) > StatusLineRoom) return false;
    const double column = ScoreColumnWidth(m);
    if (column + std::max(double(ScoreNumberWidth), m.horizontalAdvance("00")) > ScoreColumnRoom) return false;
    return 2 * m.height() <= ScoreRowsRoom;
}

} // namespace

bool LargeFonts()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return false;
    return screen->logicalDotsPerInchX() != 96 || screen->logicalDotsPerInchY() != 96;
}

double TableFontPoints() { return LargeFonts() ? 6.0 : 9.75; }

QString TableFontFamily() { return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family(); }

QFont TableFont(const QPaintDevice& surface) { return TableFont(surface, TableFontFamily(), TableFontPoints()); }

QFont TableFont(const QPaintDevice& surface, const QString& family, double points)
{
    QFont font(family);
    font.setPointSizeF(points);
    while (!Fits(font, surface) && points > SmallestPoints) {
        points -= PointStep;
        font.setPointSizeF(points);
    }
    return font;
}

} // namespace tandrel
