#pragma once
// The table drawn with Qt: the window is a QImage the size of the client area
// that every drawing routine paints into. A widget may lend the memory it is
// shown from (its backing store) so the window needs no surface of its own and
// no copy to the screen; otherwise the widget copies the window to the screen.
// The table buffer and the drag image of a card move are QImages too. The bare
// table is painted where it shows, from the picture or the colour, rather than
// kept as a second window-sized picture. The view reads the game it was made
// for and never changes it, apart from the one setting the gradient repairs (a
// table colour of 0).
#include <QColor>
#include <QFont>
#include <QImage>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <future>
#include <string>
#include <utility>
#include <vector>

#include "engine/Game.h"
#include "engine/TableView.h"
#include "render/CardArt.h"
#include "render/PreparedText.h"

class QFontMetricsF;
class QPaintDevice;
class QPainter;

namespace tandrel {

// The two lines of the status panel for the state of the game, and whether
// it shows the computer at work (white face, bold text).
struct StatusText {
    QString line1, line2;
    bool busy;
};
StatusText StatusLines(const Game& g, bool forceNewGameHint);
// Every line the status panel can show, for its font to fit them all.
QStringList StatusPanelLines();
// The score board's row labels: the player's cards, the opponent's, wins, losses.
QStringList ScoreLabels();
// How far the score board's numbers stand right of its labels.
double ScoreColumnWidth(const QFontMetricsF& m);

// The notice once a game is over; winner 0 (and no lines) while none shows.
struct EndNoticeText {
    QString title, score, next;
    int winner = 0;
};
EndNoticeText EndNoticeLines(const Game& g);

// A table rectangle as Qt's.
QRect AsQRect(const Rect& r);

// The font, set a little smaller while text is too wide for room (a bold line can be).
QFont FittingFont(QFont font, const QPaintDevice& device, const QString& text, int room);

class QtTable : public TableView {
public:
    explicit QtTable(Game& g);              // built-in pictures, decoded when first drawn
    QtTable(Game& g, const CardArt& art);   // given pictures (tests, benchmarks)

    // Sizes the window and the table size to the client area. Nothing
    // moves: a small window clips the table. Follow it with RedrawTable.
    void Resize(int w, int h);
    // Pixels per table pixel for a screen's device pixel ratio: every surface
    // is that much finer (its device pixel ratio set), the card art is loaded
    // at that scale. True when it changed: follow it with Resize and RedrawTable.
    // Positions, sizes and hit tests stay in table pixels.
    bool SetScale(int scale);
    int Scale() const { return scale_; }
    int TableWidth() const { return tableWidth_; }
    int TableHeight() const { return tableHeight_; }

    // The window as the table drew it, without what was painted over it; a
    // copy when it lies in lent memory, which changes under it.
    QImage WindowImage() { return WindowLent() ? WindowFor({}).copy() : WindowFor({}); }

    // Lent windows: Resize then leaves the window without pixels until the
    // widget lends the memory it shows (LendWindow), and a whole redraw waits
    // for that. Drawing before then gives the window a picture of its own.
    void SetLendable(bool lendable);
    bool Lendable() const { return lendable_; }
    // The window's pixels from now on are at bits (the table's size times the
    // scale, 32 bits a pixel). A picture of its own is carried over; otherwise
    // the table is drawn afresh, since memory lent before may be gone.
    void LendWindow(uchar* bits, qsizetype bytesPerLine);
    bool DrawsInto(const uchar* bits) const { return WindowLent() && window_.constBits() == bits; }
    // Copies the window out of lent memory that is about to go.
    void ReturnWindow();
    // The lent memory may be gone already: the window is dropped unread and
    // drawn afresh where it is next lent, or on its own pixels when drawn before.
    void ForgetWindow();
    // Paints over the lent window (the play aids) where areas lie (table
    // pixels), keeping what was under them; it comes off again before the
    // table next reads or draws the window, so the table never sees it.
    void PaintOver(const std::vector<QRect>& areas, const std::function<void(QPainter&)>& paint);

    // The bare table at the window's size, as every erase shows it.
    QImage BareTable();
    // The bare table over area (table pixels) through any painter; outside the
    // table the picture's tiles and the gradient's end bands reach on.
    void PaintBareTableOn(QPainter& p, const QRect& area);
    const QImage& BackgroundPicture()
    {
        TakeBackImage();
        return picBackGrd_;
    }
    const QImage* TableBufferImage()
    {
        TakeIntoBuffer(bufferOwed_);
        return tableBuffer_.isNull() ? nullptr : &tableBuffer_;
    }
    const QImage* DragImagePicture() const { return dragImage_.isNull() ? nullptr : &dragImage_; }
    // The table font: fitted here the first time it is asked for, unless
    // PrepareText fitted it already.
    const QFont& TextFont();
    // Starts measuring and drawing the text the table shows first, on another
    // thread, before anything here has asked for the table font; the first
    // text drawn then waits for it. The game's state and the scale are read now.
    void PrepareText();

    // Loads a picture file as the table picture; a missing or unreadable file
    // keeps the picture there is. True when the file was taken.
    bool LoadBackImage(const std::string& path);
    // The first table picture, read on another thread while the window is
    // built and shown; the table takes it when it first paints the bare table.
    // A missing or unreadable file leaves the built-in picture, as above.
    void LoadBackImageAhead(const std::string& path);

    // A card onto any picture (previews in dialogs use it too).
    void DrawCardOn(QImage& target, int x, int y, int card) const;
    // How many card pictures are held decoded.
    int CardPicturesHeld() const;
    // The picture repeated from the top left; only the part in clip (table
    // pixels) when one is given.
    static void TileBackground(const QImage& source, QImage& target, const QRect& clip = {});
    // The colour table, solid or as the gradient (the settings dialog's sample too),
    // over the target or only the part in clip.
    static void FillColour(QImage& target, long colour, const QRect& clip = {});
    static void PaintGradient(QImage& target, long colour, const QRect& clip = {});
    // The table colour as the table shows it: under the gradient a colour of 0
    // becomes the default gradient colour and stays so; solid, 0 is black.
    // The settings preview asks it too.
    static void RepairTableColour(long& colour, bool gradient);
    static int ColorPart(long colour, int n);

    // Cards and the surfaces of a card move.
    void DrawCard(Surface s, int x, int y, int card) override;
    void RestoreBackground(Surface s, int x, int y, int w, int h) override;
    void SnapshotTable() override;
    bool HasTableBuffer() const override { return !tableBuffer_.isNull(); }
    void CaptureDragImage(int x, int y, int w, int h) override;
    bool HasDragImage() const { return !dragImage_.isNull(); }
    void ReleaseBuffers() override;
    void ShowTableBuffer() override;
    void DrawMoveFrame(float x, float y, int w, int h) override;

    // The bare table.
    void DrawTableBackground() override;

    // Piles.
    void DrawFoundationWells() override;
    void DrawStock(int side) override;
    void ShowHandAtEnd(int side) override;
    void RedrawTable() override;
    int Redraws() const { return redraws_; } // how many times the whole table was drawn
    // While the window is first shown, the status panel says how to deal.
    bool showingWindow = false;
    void RedrawHand(int side);
    void RedrawFoundations();
    void RedrawTableau();

    // Panels. A rounded panel with up to two centred lines; busy: the computer is at work
    // (white face when there is text, bold lines).
    void DrawPanel(int x, int y, int w, int h, const QString& line1, const QString& line2, bool busy);
    void StatusPanel(bool forceNewGameHint) override;
    void ScoreBoard(bool full) override;
    void DrawEmptyStock(int side) override;
    // Over the tableau once a game is over: who won, the wins and losses, F2.
    void DrawEndNotice();
    // How many lines were drawn from their prepared pictures.
    int PreparedLinesDrawn() const { return preparedLinesDrawn_; }

protected:
    // Called after every change of the window picture with the rectangle that
    // changed, so the widget can repaint just that.
    virtual void Changed(const QRect& r) { (void)r; }

private:
    // One card's picture, key made transparent, and the same pixels read as
    // RGB32: the rows of the card without a clear pixel are copied from it
    // instead of blended, the first run of them, [top, bottom) in table pixels.
    struct CardPicture {
        QImage keyed, opaque;
        int top = 0, bottom = 0;
        bool tried = false; // looked for
    };
    void TakeArt(CardArt art);
    void LoadArt();
    void LoadBuiltinTile();
    // Waits for a table picture read ahead and takes it.
    void TakeBackImage();
    const CardPicture* Picture(int card) const; // null when the card has none
    static void SetPicture(CardPicture& c, QImage keyed);
    const QImage& Shadow() const;
    QRect TableRect() const { return {0, 0, tableWidth_, tableHeight_}; }
    // A surface ready to be drawn on in area (table pixels).
    QImage* SurfaceFor(Surface s, const QRect& area);
    // The window, ready to be read, or drawn on in area: what was painted over
    // it taken off, the buffer's part there taken from it, and pixels of its
    // own when it waits for lent memory and must be drawn now.
    QImage& WindowFor(const QRegion& area);
    QImage& Window();
    bool HasWindow() const { return !window_.isNull() || redrawOwed_; }
    bool WindowLent() const { return lentBits_ != nullptr; }
    void DrawWholeTable();
    void LiftOver(bool repaint);
    // The table buffer is taken from the window lazily: a rectangle of it is
    // copied when first needed, until then the window still holds it.
    void TakeIntoBuffer(const QRegion& area);
    void WindowChanged(const QRect& r);
    void PaintBareTable(QImage& target, const QRect& r, const QRegion& skip = {});
    QRegion CoveredByRedraw() const;
    QRect HandRowRepaint(int side) const;
    QRegion PanelFaces() const;
    // Text, from the prepared answers where there are some.
    QFont Fit(const QFont& font, const QString& text, int room);
    LineFacts Facts(const QFont& font);
    int Advance(const QFont& font, const QString& text);
    int ScoreColumn();
    // A line in ink with its top left at (x, y) over the face it was prepared
    // on, when the window shows only that face under its picture.
    void Print(QPainter& p, const QFont& font, double x, double y, const QString& text, const QColor& ink,
               const QColor& face);
    bool OnlyFaceUnder(const TextPicture& picture, const QPoint& at) const;
    // hidden: what the caller covers next (table pixels), left undrawn.
    void PaintCard(QPainter& p, int x, int y, int card, const QRect& hidden = {}) const;
    QRect OpaquePart(int x, int y, int card) const;
    void DrawOverlapping(const std::vector<std::array<int, 3>>& cards);
    std::vector<std::array<int, 3>> PileCards(int p) const; // x, y and card, bottom first
    QImage StretchedShadow(int w, int h) const;
    bool DragRunsReady();
    void ComposeMoveFrame(const QRect& frame, const QRect& last, const QRect& drag);

    Game& g_;
    bool builtinArt_ = false;
    int scale_ = 1;
    int artScale_ = 0;              // the scale of the art; 0 none yet
    std::string backImagePath_;     // reloaded at its own scale when the scale changes
    int backImageScale_ = 0;        // the scale it was read at
    std::future<QImage> backImageRead_; // the first picture, read ahead until taken; null when unreadable
    int redraws_ = 0;
    int tableWidth_ = 0;
    int tableHeight_ = 0;
    QImage window_;
    bool lendable_ = false;
    uchar* lentBits_ = nullptr;     // the memory the widget lent window_; null while it has its own
    bool redrawOwed_ = false;       // a whole redraw waits for the window's pixels
    struct Under {
        QRect area;                 // table pixels
        QRect rect;                 // device pixels
        QImage pixels;
    };
    std::vector<Under> over_;       // what lies under the paint over the lent window
    QRegion bufferOwed_;            // the table buffer's part still only in the window
    QImage picBackGrd_;
    QImage tableBuffer_;
    QImage dragImage_;
    QRect lastFrame_;               // the drag picture of the last move frame
    // Where the window may differ from the table buffer, as the last frame left
    // both (their cache keys); a frame rewrites only that much of its area.
    QRegion unlikeBuffer_;
    qint64 frameWindowKey_ = 0;
    qint64 frameBufferKey_ = 0;
    // The drag image's rows as runs of opaque and clear pixels, for the image
    // with key dragRunsKey_; empty when some pixel is neither.
    struct Run {
        int from, to;
        bool opaque;
    };
    std::vector<Run> dragRuns_;
    std::vector<int> dragRowRuns_;  // row y's runs: dragRuns_[dragRowRuns_[y]] .. [dragRowRuns_[y + 1]]
    qint64 dragRunsKey_ = 0;
    // The cards by code from FirstPictured, and the shadow. The built-in ones
    // are decoded the first time they are drawn, each card on its own: the
    // first sight of the table shows no card and waits for none of them, and
    // cards never shown are never decoded.
    mutable std::array<CardPicture, LastPictured - FirstPictured + 1> cards_;
    mutable QImage shadow_;
    mutable bool shadowTried_ = false;
    QFont font_;
    bool fontKnown_ = false;
    PreparedText prepared_;
    int preparedLinesDrawn_ = 0;
};

} // namespace tandrel
