#include "app/PlayAids.h"

#include <QFontMetrics>
#include <QPainter>

#include "input/DropTargets.h"
#include "opponent/HintWords.h"

namespace tandrel {

namespace {

constexpr int HintMilliseconds = 2000;

// Enough of the position to tell that a card has moved since the hint.
std::vector<int> PositionKey(const Game& g, const MouseState& m)
{
    std::vector<int> key{g.WasteCount(1), g.WasteCount(2), g.StockPos(1), int(m.Dragging()), int(g.GameOver)};
    for (int p = 1; p <= PileCount; ++p) key.push_back(PileTop(g, p));
    for (int f = 1; f <= FoundationCount; ++f) key.push_back(g.Foundation(f, FoundTop));
    return key;
}

QRect AsQRect(const Rect& r) { return QRect(int(r.left), int(r.top), int(r.right - r.left), int(r.bottom - r.top)); }

} // namespace

PlayAids::PlayAids(std::function<void()> changed) : changed_(std::move(changed))
{
    hintTimer_.setSingleShot(true);
    QObject::connect(&hintTimer_, &QTimer::timeout, [this] {
        hintOn_ = false;
        if (game_) Refresh(*game_, *mouse_);
    });
}

void PlayAids::ShowHint(const Game& g)
{
    advice_ = FindHint(g, hint_);
    hintOn_ = true;
    hintPosition_.clear(); // taken by the next refresh
    hintTimer_.start(HintMilliseconds);
}

void PlayAids::Refresh(const Game& g, const MouseState& m)
{
    game_ = &g;
    mouse_ = &m;
    const bool standstill = standstill_.Update(g);
    if (hintOn_) {
        const std::vector<int> key = PositionKey(g, m);
        if (hintPosition_.empty()) hintPosition_ = key;
        else if (key != hintPosition_) hintOn_ = false; // a stale hint would mislead
    }

    OverlayPicture next;
    for (const TablePlace& t : DropTargets(g, m)) next.outlines.push_back({PlaceRect(g, t), OutlineKind::Drop});
    if (hintOn_ && advice_ == HintAdvice::Move) {
        next.outlines.push_back({PlaceRect(g, hint_.from), OutlineKind::Hint});
        if (hint_.to.kind != PlaceKind::None) next.outlines.push_back({PlaceRect(g, hint_.to), OutlineKind::Hint});
    }
    if (keys.shown) next.outlines.push_back({PlaceRect(g, keys.focus), OutlineKind::Focus});
    if (!notice1_.isEmpty()) {
        next.line1 = notice1_;
        next.line2 = notice2_;
    } else if (hintOn_ && hint_.move) { // the move, or the flip, in words
        const HintLines said = HintWords(g, *hint_.move);
        next.line1 = QString::fromStdString(said.first);
        next.line2 = QString::fromStdString(said.second);
    } else if (hintOn_ && advice_ == HintAdvice::EndTurn) {
        next.line1 = tr("Nothing more to play: end");
        next.line2 = tr("your turn on the score board.");
    } else if (standstill) {
        next.line1 = tr("Neither side is making progress.");
        next.line2 = tr("F2 deals a new game.");
    }
    if (next == overlay_) return;
    overlay_ = std::move(next);
    if (changed_) changed_();
}

namespace {

// How far each kind of outline stands round its place, so all of them show at once.
int OutlineDistance(OutlineKind kind) { return kind == OutlineKind::Focus ? 6 : 3; }
constexpr int OutlinePen = 3;

} // namespace

std::vector<QRect> PlayAids::Reach() const
{
    std::vector<QRect> reach;
    for (const Outline& o : overlay_.outlines) {
        const int out = OutlineDistance(o.kind) + OutlinePen;
        reach.push_back(AsQRect(o.rect).adjusted(-out, -out, out, out));
    }
    if (!overlay_.line1.isEmpty()) reach.push_back(AsQRect(StatusPanelArea));
    return reach;
}

void PlayAids::Paint(QPainter& p, const QFont& font) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    for (const Outline& o : overlay_.outlines) {
        const int out = OutlineDistance(o.kind);
        const QColor colour = o.kind == OutlineKind::Drop   ? QColor(40, 220, 40)
                              : o.kind == OutlineKind::Hint ? QColor(255, 150, 0)
                                                            : QColor(255, 255, 80);
        QPen pen(colour, OutlinePen);
        if (o.kind == OutlineKind::Focus) pen.setStyle(Qt::DashLine);
        p.setPen(pen);
        p.drawRoundedRect(AsQRect(o.rect).adjusted(-out, -out, out, out), 6, 6);
    }
    if (!overlay_.line1.isEmpty()) {
        const QRect panel = AsQRect(StatusPanelArea);
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(QColor(255, 255, 225));
        p.drawRoundedRect(panel.adjusted(0, 0, -1, -1), 10, 10);
        QFont f = font;
        const int room = panel.width() - 2 * PanelTextMargin;
        for (const QString& line : {overlay_.line1, overlay_.line2})
            while (QFontMetrics(f).horizontalAdvance(line) > room && f.pointSizeF() > 5) f.setPointSizeF(f.pointSizeF() - 0.25);
        p.setFont(f);
        const QRect text = panel.adjusted(PanelTextMargin, PanelInnerEdge, -PanelTextMargin, -PanelInnerEdge);
        p.drawText(text, Qt::AlignCenter, overlay_.line1 + "\n" + overlay_.line2);
    }
    p.restore();
}

} // namespace tandrel
