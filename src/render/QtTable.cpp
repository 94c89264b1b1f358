#include "render/QtTable.h"

#include <QPainter>
#include <algorithm>
#include <cstring>
#include <tuple>

#include "render/Fonts.h"

namespace tandrel {

namespace {

// A rectangle in table pixels as the pixels of a picture scale times finer.
QRect DevicePixels(const QRect& r, int scale)
{
    return {r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale};
}

QImage Surface32(int w, int h, int scale)
{
    if (w < 1 || h < 1) return {};
    QImage image(w * scale, h * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    return image;
}

// Rows of 32-bit pixels from one memory to another, at the same place in
// both (r in device pixels); each with its own stride.
void CopyPixels(uchar* to, qsizetype toStride, const uchar* from, qsizetype fromStride, const QRect& r)
{
    for (int y = r.top(); y <= r.bottom(); ++y)
        std::memcpy(to + y * toStride + 4 * r.x(), from + y * fromStride + 4 * r.x(), 4 * size_t(r.width()));
}

// Copies a rectangle of one picture onto another unchanged (no blending),
// clipped to both pictures; both in table pixels.
void CopyRect(QImage& target, const QPoint& to, const QImage& source, const QRect& from)
{
    if (target.isNull() || source.isNull()) return;
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(to, source, DevicePixels(from, static_cast<int>(source.devicePixelRatio())));
}

} // namespace

// The built-in art is read at the scale the screen wants when the table is
// first sized (a finer screen never decodes the coarse pictures), and each card
// only when it is first drawn.
QtTable::QtTable(Game& g) : g_(g), builtinArt_(true) {}

QtTable::QtTable(Game& g, const CardArt& art) : g_(g), scale_(std::clamp(art.scale, 1, 3)), artScale_(scale_)
{
    TakeArt(art);
}

void QtTable::LoadArt()
{
    if (!builtinArt_ || artScale_ == scale_) return;
    artScale_ = scale_;
    shadow_ = {};
    shadowTried_ = false;
    cards_ = {};
    // The player's picture stays; at another scale its finer (or plain) version is read.
    if (!backImagePath_.empty() && (backImageScale_ == scale_ || LoadBackImage(backImagePath_))) return;
    LoadBuiltinTile();
}

void QtTable::LoadBuiltinTile()
{
    picBackGrd_ = LoadBuiltinPicture("tile", scale_).convertToFormat(QImage::Format_RGB32);
    picBackGrd_.setDevicePixelRatio(scale_);
}

void QtTable::TakeArt(CardArt art)
{
    // Cut into cards and the key made transparent once, here: drawing a card is
    // then one plain draw, the same as from the built-in pictures.
    for (QImage& sheet : art.sheets) sheet = KeyedCopy(std::move(sheet));
    for (int card = FirstPictured; card <= LastPictured; ++card) {
        const CardCell cell = *GetCardImage(card);
        const QImage& sheet = art.sheets[cell.sheet];
        QImage picture =
            sheet.isNull() ? QImage() : sheet.copy(DevicePixels({cell.x, cell.y, CardWidth, CardHeight}, art.scale));
        picture.setDevicePixelRatio(art.scale);
        CardPicture& c = cards_[card - FirstPictured];
        SetPicture(c, std::move(picture));
        c.tried = true;
    }
    shadow_ = KeyedCopy(std::move(art.shadow));
    shadow_.setDevicePixelRatio(art.scale);
    shadowTried_ = true;
    picBackGrd_ = art.tile.isNull() ? QImage() : art.tile.convertToFormat(QImage::Format_RGB32);
    picBackGrd_.setDevicePixelRatio(art.scale);
}

const QtTable::CardPicture* QtTable::Picture(int card) const
{
    if (!GetCardImage(card)) return nullptr;
    CardPicture& c = cards_[card - FirstPictured];
    if (!c.tried) {
        c.tried = true;
        const int k = std::max(artScale_, 1); // drawn before the table was sized: the plain pictures
        QImage picture = KeyedCopy(LoadBuiltinCard(card, k));
        picture.setDevicePixelRatio(k);
        SetPicture(c, std::move(picture));
    }
    return c.keyed.isNull() ? nullptr : &c;
}

void QtTable::SetPicture(CardPicture& c, QImage keyed)
{
    c.keyed = std::move(keyed);
    const QImage& picture = c.keyed;
    c.opaque = picture.isNull() ? QImage()
                                : QImage(picture.constBits(), picture.width(), picture.height(),
                                         picture.bytesPerLine(), QImage::Format_RGB32);
    c.opaque.setDevicePixelRatio(picture.devicePixelRatio());
    const int k = static_cast<int>(picture.devicePixelRatio());
    const auto opaque = [&](int row) {
        if ((row + 1) * k > picture.height() || CardWidth * k > picture.width()) return false;
        for (int y = row * k; y < (row + 1) * k; ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
            for (int x = 0; x < CardWidth * k; ++x)
                if (qAlpha(line[x]) != 255) return false;
        }
        return true;
    };
    c.top = 0;
    while (c.top < CardHeight && !opaque(c.top)) ++c.top;
    c.bottom = c.top;
    while (c.bottom < CardHeight && opaque(c.bottom)) ++c.bottom;
}

int QtTable::CardPicturesHeld() const
{
    return static_cast<int>(
        std::count_if(cards_.begin(), cards_.end(), [](const CardPicture& c) { return !c.keyed.isNull(); }));
}

const QImage& QtTable::Shadow() const
{
    if (!shadowTried_) {
        shadowTried_ = true;
        const int k = std::max(artScale_, 1);
        shadow_ = KeyedCopy(LoadBuiltinPicture("shadow", k));
        shadow_.setDevicePixelRatio(k);
    }
    return shadow_;
}

bool QtTable::SetScale(int scale)
{
    scale = std::clamp(scale, 1, 3);
    if (scale == scale_ || !builtinArt_) return false;
    scale_ = scale;
    if (artScale_ != 0) LoadArt(); // already drawn at another scale
    return true;
}

void QtTable::Resize(int w, int h)
{
    LoadArt();
    // What the buffer still owes is read while the old window is there.
    LiftOver(false);
    TakeIntoBuffer(bufferOwed_);
    tableWidth_ = std::max(0, w);
    tableHeight_ = std::max(0, h);
    lentBits_ = nullptr;
    if (lendable_) {
        window_ = {};
        redrawOwed_ = tableWidth_ > 0 && tableHeight_ > 0;
    } else {
        window_ = Surface32(tableWidth_, tableHeight_, scale_);
    }
    WindowChanged(TableRect());
}

QImage& QtTable::WindowFor(const QRegion& area)
{
    LiftOver(true);
    if (window_.isNull() && redrawOwed_) {
        // Drawn on before any memory was lent: a picture of its own after all.
        window_ = Surface32(tableWidth_, tableHeight_, scale_);
        redrawOwed_ = false;
        DrawWholeTable();
    }
    TakeIntoBuffer(area);
    return window_;
}

QImage& QtTable::Window() { return WindowFor(TableRect()); }

void QtTable::LendWindow(uchar* bits, qsizetype bytesPerLine)
{
    if (tableWidth_ < 1 || tableHeight_ < 1 || !bits) return;
    QImage lent(bits, tableWidth_ * scale_, tableHeight_ * scale_, bytesPerLine, QImage::Format_RGB32);
    lent.setDevicePixelRatio(scale_);
    // A picture of its own is carried over; memory lent before may be gone.
    const bool own = !window_.isNull() && window_.constBits() != lentBits_;
    const bool carry = own && window_.size() == lent.size() && window_.format() == QImage::Format_RGB32;
    if (carry) CopyPixels(bits, bytesPerLine, window_.constBits(), window_.bytesPerLine(), lent.rect());
    over_.clear();
    window_ = std::move(lent);
    lentBits_ = bits;
    redrawOwed_ = false;
    if (carry) return;
    // What the buffer still owes is taken from the table drawn afresh, not from undrawn memory.
    const QRegion owed = std::exchange(bufferOwed_, {});
    DrawWholeTable();
    bufferOwed_ = owed;
}

void QtTable::SetLendable(bool lendable)
{
    // Fitted or scaled, the widget copies the window: it needs pixels of its own.
    if (!lendable) ReturnWindow();
    lendable_ = lendable;
}

void QtTable::ForgetWindow()
{
    if (!WindowLent()) return;
    // What the buffer still owes is taken from the table drawn afresh.
    over_.clear();
    window_ = {};
    lentBits_ = nullptr;
    redrawOwed_ = tableWidth_ > 0 && tableHeight_ > 0;
}

void QtTable::ReturnWindow()
{
    if (!WindowLent()) return;
    LiftOver(false);
    window_ = window_.copy();
    lentBits_ = nullptr;
}

void QtTable::PaintOver(const std::vector<QRect>& areas, const std::function<void(QPainter&)>& paint)
{
    if (!WindowLent()) return;
    LiftOver(false);
    // Drawn past window_, whose cache key the move frames go by: the table's
    // own pixels are as they were once this comes off.
    QImage view(lentBits_, window_.width(), window_.height(), window_.bytesPerLine(), QImage::Format_RGB32);
    view.setDevicePixelRatio(scale_);
    QRegion reach;
    for (const QRect& area : areas) {
        const QRect r = DevicePixels(area & TableRect(), scale_);
        if (r.isEmpty()) continue;
        over_.push_back({area & TableRect(), r, view.copy(r)});
        reach += area;
    }
    if (reach.isEmpty()) return;
    QPainter p(&view);
    p.setClipRegion(reach);
    paint(p);
}

void QtTable::LiftOver(bool repaint)
{
    if (over_.empty()) return;
    const qsizetype stride = window_.bytesPerLine();
    for (const Under& u : over_) {
        for (int row = 0; row < u.rect.height(); ++row)
            std::memcpy(lentBits_ + (u.rect.y() + row) * stride + 4 * u.rect.x(), u.pixels.constScanLine(row),
                        4 * size_t(u.rect.width()));
        // The widget paints it again where it is still wanted.
        if (repaint) WindowChanged(u.area);
    }
    over_.clear();
}

QImage* QtTable::SurfaceFor(Surface s, const QRect& area)
{
    QImage* image = s == Surface::Window        ? &WindowFor(area)
                    : s == Surface::TableBuffer ? &tableBuffer_
                                                : &dragImage_;
    if (s == Surface::TableBuffer) TakeIntoBuffer(area);
    return image->isNull() ? nullptr : image;
}

// The buffer starts as the window's pixels without a copy; each part is copied
// the first time the buffer is read or drawn there, or the window drawn there.
void QtTable::TakeIntoBuffer(const QRegion& area)
{
    const QRegion take = bufferOwed_ & area;
    if (take.isEmpty()) return;
    bufferOwed_ -= take;
    if (window_.isNull() || tableBuffer_.size() != window_.size() || window_.format() != QImage::Format_RGB32) {
        // No window to take it from: the bare table rather than whatever the memory held.
        PaintBareTable(tableBuffer_, take.boundingRect());
        return;
    }
    LiftOver(true);
    // Only the buffer's memory changes, not what it holds: a move frame need not start afresh.
    const bool frameKnewBuffer = tableBuffer_.cacheKey() == frameBufferKey_;
    uchar* const buffer = tableBuffer_.bits();
    for (const QRect& r : take)
        CopyPixels(buffer, tableBuffer_.bytesPerLine(), window_.constBits(), window_.bytesPerLine(),
                   DevicePixels(r, scale_));
    if (frameKnewBuffer) frameBufferKey_ = tableBuffer_.cacheKey();
}

void QtTable::WindowChanged(const QRect& r)
{
    const QRect changed = r & TableRect();
    if (!changed.isEmpty()) Changed(changed);
}

void QtTable::PaintCard(QPainter& p, int x, int y, int card, const QRect& hidden) const
{
    const CardPicture* picture = Picture(card);
    if (!picture) return;
    const int k = static_cast<int>(picture->keyed.devicePixelRatio());
    const int top = picture->top, bottom = picture->bottom;
    const QRegion pieces = QRegion(x, y, CardWidth, CardHeight) - hidden;
    for (const QRect& piece : pieces) {
        // Rows between the rounded corners are a plain copy: the same pixels, without the blending.
        for (const auto& [from, to, opaque] : {std::tuple(0, top, false), std::tuple(top, bottom, true),
                                              std::tuple(std::max(top, bottom), CardHeight, false)}) {
            const int first = std::max(piece.top() - y, from), last = std::min(piece.bottom() + 1 - y, to);
            if (first >= last) continue;
            p.drawImage(QPoint(piece.x(), y + first), opaque ? picture->opaque : picture->keyed,
                        DevicePixels({piece.x() - x, first, piece.width(), last - first}, k));
        }
    }
}

// Where a card at (x, y) covers whatever lies under it.
QRect QtTable::OpaquePart(int x, int y, int card) const
{
    const CardPicture* picture = Picture(card);
    if (!picture || picture->top >= picture->bottom) return {};
    return QRect(x, y + picture->top, CardWidth, picture->bottom - picture->top);
}

// Cards laid in order, each but the last drawn only where the next leaves it showing.
void QtTable::DrawOverlapping(const std::vector<std::array<int, 3>>& cards)
{
    QRegion area;
    for (const auto& [x, y, card] : cards) area += QRect(x, y, CardWidth, CardHeight);
    QImage& window = WindowFor(area);
    if (window.isNull()) return;
    QPainter p(&window);
    for (size_t i = 0; i < cards.size(); ++i) {
        const auto [x, y, card] = cards[i];
        const QRect hidden = i + 1 < cards.size() ? OpaquePart(cards[i + 1][0], cards[i + 1][1], cards[i + 1][2]) : QRect();
        PaintCard(p, x, y, card, hidden);
    }
    p.end();
    for (const auto& [x, y, card] : cards) WindowChanged({x, y, CardWidth, CardHeight});
}

void QtTable::DrawCardOn(QImage& target, int x, int y, int card) const
{
    if (target.isNull()) return;
    QPainter p(&target);
    PaintCard(p, x, y, card);
}

void QtTable::DrawCard(Surface s, int x, int y, int card)
{
    QImage* target = SurfaceFor(s, {x, y, CardWidth, CardHeight});
    if (!target) return;
    DrawCardOn(*target, x, y, card);
    if (s == Surface::Window) WindowChanged({x, y, CardWidth, CardHeight});
}

void QtTable::RestoreBackground(Surface s, int x, int y, int w, int h)
{
    QImage* target = SurfaceFor(s, {x, y, w, h});
    if (!target) return;
    PaintBareTable(*target, {x, y, w, h});
    if (s == Surface::Window) WindowChanged({x, y, w, h});
}

void QtTable::SnapshotTable()
{
    const QImage& window = WindowFor({});
    bufferOwed_ = {};
    if (window.isNull()) {
        tableBuffer_ = {};
        return;
    }
    // Memory only: the pixels stay in the window until they are needed.
    tableBuffer_ = QImage(window.size(), QImage::Format_RGB32);
    tableBuffer_.setDevicePixelRatio(window.devicePixelRatio());
    bufferOwed_ = TableRect();
}

// The shadow picture sized to the moving cards: a run taller than one card
// repeats the shadow's middle row, so its right edge runs the whole height and
// its bottom edge and rounded corner stay at the bottom.
QImage QtTable::StretchedShadow(int w, int h) const
{
    // In device pixels, so a finer shadow keeps its fine edges.
    w *= scale_;
    h *= scale_;
    QImage out(w, h, QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    out.setDevicePixelRatio(scale_);
    const QImage& shadow = Shadow();
    if (shadow.isNull()) return out;
    const int sw = shadow.width(), sh = shadow.height();
    if (w == sw && h == sh) return shadow.copy();
    const auto source = [](int t, int size, int sourceSize) {
        const int middle = sourceSize / 2;
        if (t < middle) return std::min(t, sourceSize - 1);
        const int fromEnd = t - (size - sourceSize);
        return fromEnd > middle ? fromEnd : middle;
    };
    for (int y = 0; y < h; ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(shadow.constScanLine(source(y, h, sh)));
        auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) to[x] = from[source(x, w, sw)];
    }
    return out;
}

void QtTable::CaptureDragImage(int x, int y, int w, int h)
{
    if (w < 1 || h < 1) {
        dragImage_ = {};
        return;
    }
    dragImage_ = StretchedShadow(w, h);
    // The cards cover all but the last two columns and rows: the shadow edges.
    const QRect cards(0, 0, w - 2, h - 2);
    CopyRect(dragImage_, {0, 0}, WindowFor({}), cards.translated(x, y));
    KeyOut(dragImage_, DevicePixels(cards, static_cast<int>(dragImage_.devicePixelRatio())));
}

void QtTable::ReleaseBuffers()
{
    tableBuffer_ = {};
    bufferOwed_ = {};
    dragImage_ = {};
    lastFrame_ = {};
}

void QtTable::ShowTableBuffer()
{
    if (tableBuffer_.isNull()) return;
    // Where the buffer is still owed the window holds its pixels already.
    const QRegion shown = QRegion(TableRect()) - bufferOwed_;
    QImage& window = WindowFor({});
    if (shown.isEmpty() || window.isNull()) return;
    QPainter p(&window);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setClipRegion(shown);
    p.drawImage(QPoint(0, 0), tableBuffer_);
    p.end();
    WindowChanged(shown.boundingRect());
}

// The drag image holds card pixels (opaque) and clear ones only: over the
// table that is a choice between two copies, which is what a frame makes of it.
bool QtTable::DragRunsReady()
{
    if (dragImage_.cacheKey() == dragRunsKey_) return !dragRowRuns_.empty();
    dragRunsKey_ = dragImage_.cacheKey();
    dragRuns_.clear();
    dragRowRuns_.clear();
    if (dragImage_.format() != QImage::Format_ARGB32_Premultiplied) return false;
    const int w = dragImage_.width();
    for (int y = 0; y < dragImage_.height(); ++y) {
        dragRowRuns_.push_back(static_cast<int>(dragRuns_.size()));
        const auto* line = reinterpret_cast<const QRgb*>(dragImage_.constScanLine(y));
        for (int x = 0; x < w;) {
            const bool opaque = qAlpha(line[x]) == 255;
            if (!opaque && line[x] != 0) {
                dragRuns_.clear();
                dragRowRuns_.clear();
                return false;
            }
            int end = x + 1;
            while (end < w && (opaque ? qAlpha(line[end]) == 255 : line[end] == 0)) ++end;
            dragRuns_.push_back({x, end, opaque});
            x = end;
        }
    }
    dragRowRuns_.push_back(static_cast<int>(dragRuns_.size()));
    return true;
}

// The frame as a plain repaint of its area from the buffer with the drag image
// drawn over would leave it, writing only the pixels where that differs from
// the window: where its area is not yet like the buffer, and the cards.
void QtTable::ComposeMoveFrame(const QRect& frame, const QRect& last, const QRect& drag)
{
    if (window_.cacheKey() != frameWindowKey_ || tableBuffer_.cacheKey() != frameBufferKey_)
        unlikeBuffer_ = TableRect();
    const int k = scale_;
    // A lent window has the backing store's stride, the buffer its own.
    const qsizetype stride = window_.bytesPerLine(), bufferStride = tableBuffer_.bytesPerLine();
    uchar* const window = window_.bits();
    const uchar* const buffer = tableBuffer_.constBits();
    const auto copyRows = [&](int x, int y, int w, int h) { // device pixels, buffer to window
        CopyPixels(window, stride, buffer, bufferStride, {x, y, w, h});
    };

    QRegion wipe = (QRegion(frame) + last) & unlikeBuffer_;
    wipe -= drag;
    for (const QRect& r : wipe) copyRows(r.x() * k, r.y() * k, r.width() * k, r.height() * k);

    // The drag image's top left in device pixels; drag is what of it lies on the table.
    const int ox = lastFrame_.x() * k, oy = lastFrame_.y() * k;
    const int left = drag.left() * k, right = (drag.right() + 1) * k;
    for (int row = drag.top() * k; row < (drag.bottom() + 1) * k; ++row) {
        const int y = row - oy;
        const uchar* from = dragImage_.constScanLine(y);
        for (int i = dragRowRuns_[y]; i < dragRowRuns_[y + 1]; ++i) {
            const int a = std::max(dragRuns_[i].from + ox, left), b = std::min(dragRuns_[i].to + ox, right);
            if (a >= b) continue;
            if (dragRuns_[i].opaque)
                std::memcpy(window + row * stride + 4 * a, from + 4 * (a - ox), 4 * size_t(b - a));
            else
                copyRows(a, row, b - a, 1);
        }
    }
    unlikeBuffer_ -= QRegion(frame) + last;
    unlikeBuffer_ += drag;
    // A long drag carves the region into many pieces: the rectangle around
    // them still holds every pixel that may differ.
    if (unlikeBuffer_.rectCount() > 48) unlikeBuffer_ = unlikeBuffer_.boundingRect();
    frameWindowKey_ = window_.cacheKey();
    frameBufferKey_ = tableBuffer_.cacheKey();
}

// One frame of a slide: the table without the moving cards around the spot,
// with the drag image over it. Repainting the margin from the buffer wipes the
// previous frame; the window is touched once and reported as one rectangle.
void QtTable::DrawMoveFrame(float x, float y, int w, int h)
{
    const int ix = static_cast<int>(ToPixel(x));
    const int iy = static_cast<int>(ToPixel(y));
    const QRect frame = QRect(ix - MoveMargin, iy - MoveMargin, w + 2 * MoveMargin, h + 3 * MoveMargin) &
                        TableRect();
    if (frame.isEmpty()) return;
    // A fast slide can jump further than the margin: the last picture is
    // wiped as well, so no trail of it is left on the table.
    const QRect last = lastFrame_ & TableRect();
    const bool lastOutside = !last.isEmpty() && !frame.contains(last);
    if (WindowFor(QRegion(frame) + last).isNull()) return;
    const bool copies = !tableBuffer_.isNull() && !dragImage_.isNull() && tableBuffer_.size() == window_.size() &&
                        tableBuffer_.format() == QImage::Format_RGB32 && window_.format() == QImage::Format_RGB32 &&
                        static_cast<int>(dragImage_.devicePixelRatio()) == scale_ &&
                        dragImage_.width() >= w * scale_ && dragImage_.height() >= h * scale_ && DragRunsReady();
    lastFrame_ = QRect(ix, iy, w, h);
    if (copies) {
        if (lastOutside) WindowChanged(last);
        ComposeMoveFrame(frame, lastOutside ? last : QRect(), lastFrame_ & TableRect());
        WindowChanged(frame);
        return;
    }
    frameWindowKey_ = 0; // the next frame learns nothing from this one
    QPainter p(&WindowFor(QRegion(frame) + last));
    if (!tableBuffer_.isNull()) {
        p.setCompositionMode(QPainter::CompositionMode_Source);
        if (lastOutside) {
            p.drawImage(last.topLeft(), tableBuffer_, DevicePixels(last, scale_));
            WindowChanged(last);
        }
        p.drawImage(frame.topLeft(), tableBuffer_, DevicePixels(frame, scale_));
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (!dragImage_.isNull())
        p.drawImage(QPoint(ix, iy), dragImage_, DevicePixels({0, 0, w, h}, static_cast<int>(dragImage_.devicePixelRatio())));
    p.end();
    WindowChanged(frame);
}

} // namespace tandrel
