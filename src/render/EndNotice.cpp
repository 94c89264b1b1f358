// The notice over the table once a game is over: who won, the wins and
// losses, and how to deal again. Part of the table picture, so it is drawn,
// scaled and repainted with the cards under it.
#include <QCoreApplication>
#include <QPainter>

#include "engine/Move.h"
#include "render/QtTable.h"

namespace tandrel {

namespace {

const QColor NoticeFace(255, 255, 225);

QColor WinnerInk(int winner) { return winner == 1 ? QColor(0, 110, 0) : QColor(170, 0, 0); }

// One centred line in its row, set smaller when the desktop's font is too wide for it.
void CentredLine(QPainter& p, const QFont& font, const QRect& row, const QString& text, const QColor& ink)
{
    p.setFont(FittingFont(font, *p.device(), text, row.width()));
    p.setPen(ink);
    p.drawText(row, Qt::AlignCenter, text);
}

} // namespace

EndNoticeText EndNoticeLines(const Game& g)
{
    const int winner = g.GameOver ? Winner(g) : 0;
    if (winner == 0) return {};
    const QString title = winner == 1 ? QCoreApplication::translate("Table", "You won!")
                                      : QCoreApplication::translate("Table", "The computer won.");
    return {title,
            QCoreApplication::translate("Table", "Win: %1   Loss: %2").arg(g.Wins).arg(g.Losses),
            QCoreApplication::translate("Table", "F2 deals a new game"), winner};
}

void QtTable::DrawEndNotice()
{
    const EndNoticeText t = EndNoticeLines(g_);
    if (t.winner == 0 || !HasWindow()) return;
    const QRect area = AsQRect(EndNoticeArea);
    const QColor ink = WinnerInk(t.winner);
    // Opaque and without smoothing, so drawing it again changes no pixel.
    QPainter p(&WindowFor(area));
    p.setPen(QPen(Qt::black, 0));
    p.setBrush(NoticeFace);
    p.drawRoundedRect(area.adjusted(0, 0, -1, -1), 10, 10);
    p.setPen(QPen(ink, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(area.adjusted(4, 4, -5, -5), 7, 7);

    const QRect inner = area.adjusted(PanelTextMargin, PanelTextMargin, -PanelTextMargin, -PanelTextMargin);
    const int row = inner.height() / 3;
    const QFont& font = TextFont();
    QFont title = font;
    title.setBold(true);
    title.setPointSizeF(font.pointSizeF() * 1.3);
    CentredLine(p, title, QRect(inner.x(), inner.y(), inner.width(), row), t.title, ink);
    CentredLine(p, font, QRect(inner.x(), inner.y() + row, inner.width(), row), t.score, Qt::black);
    CentredLine(p, font, QRect(inner.x(), inner.y() + 2 * row, inner.width(), row), t.next, Qt::black);
    p.end();
    WindowChanged(area);
}

} // namespace tandrel
