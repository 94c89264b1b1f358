// Play on the real main window with mouse and keys, the aids and notices, the
// table fitted to the window, and whole games played with the mouse.
#include <QFile>
#include <QPainter>
#include <algorithm>

#include "engine/Moves.h"
#include "engine/Places.h"
#include "gui/GuiFixture.h"
#include "input/Geometry.h"
#include "opponent/HintWords.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// The player's waste ends with the eight of spades, the six of spades to come.
const char* const Layout = "9h | [2d] Td 9c 8h | [3d 4d] Th | Js ; 5c As ; Qh 8s ; Qc 7d";
void PlayersStock(Game& g) { SetStock(g, 1, {Card("6s"), Card("2h"), Card("3h")}); }
const TablePlace TheirWaste{PlaceKind::ComputerWaste};
const QPoint WasteTop1(500, 347); // the player's waste top with one card fanned

// The notice at scale k: 0 none, 1 green title, 2 red title, -1 a notice without its text.
int NoticeShown(const QImage& img, int k = 1)
{
    const QRect text(EndNoticeArea.left + PanelTextMargin, EndNoticeArea.top + PanelTextMargin,
                     EndNoticeArea.right - EndNoticeArea.left - 2 * PanelTextMargin, 0);
    if (img.pixel((text.x() + 12) * k, (text.y() + 1) * k) != qRgb(255, 255, 225)) return 0;
    const int titleEnd = text.y() + (EndNoticeArea.bottom - EndNoticeArea.top - 2 * PanelTextMargin) / 3;
    int green = 0, red = 0, dark = 0;
    for (int y = text.y() * k; y < (EndNoticeArea.bottom - PanelTextMargin) * k; ++y)
        for (int x = text.x() * k; x <= text.right() * k; ++x) {
            const QRgb c = img.pixel(x, y);
            if (y >= titleEnd * k) dark += qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
            green += qGreen(c) > qRed(c) + 40 && qGreen(c) > qBlue(c) + 40;
            red += qRed(c) > qGreen(c) + 60 && qRed(c) > qBlue(c) + 60;
        }
    if (dark < 40) return -1;
    return green > 20 && red == 0 ? 1 : red > 20 && green == 0 ? 2 : -1;
}

// Where a table point shows in a widget of the given size.
QPoint Shown(const QWidget& w, int x, int y)
{
    const double scale = std::min(w.width() / 640.0, w.height() / 480.0);
    return {int((w.width() - 640 * scale) / 2 + x * scale), int((w.height() - 480 * scale) / 2 + y * scale)};
}

// Device pixels from the bare table to the card's border going right: 0 when sharp.
int EdgeBlur(const QImage& shown, QPoint at, QRgb border)
{
    const QRgb bare = shown.pixel(at);
    while (shown.pixel(at) == bare) at.rx()++;
    int blur = 0;
    while (shown.pixel(at + QPoint(blur, 0)) != border && blur < 8) ++blur;
    return blur;
}

class OnTable : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Start();
        Craft(Layout, PlayersStock);
    }
    // Keys by letter: arrows l r u d, Tab t, back-tab b, Space s, Return n, Escape e.
    void Keys(const std::string& keys)
    {
        const std::string letters = "lrudtbsne";
        const Qt::Key codes[] = {Qt::Key_Left, Qt::Key_Right,   Qt::Key_Up,    Qt::Key_Down,  Qt::Key_Tab,
                                 Qt::Key_Backtab, Qt::Key_Space, Qt::Key_Return, Qt::Key_Escape};
        for (char c : keys) QTest::keyClick(table(), codes[letters.find(c)]);
    }
    std::vector<Rect> Outlined(OutlineKind kind)
    {
        std::vector<Rect> rects;
        for (const Outline& o : window->aids().Overlay().outlines)
            if (o.kind == kind) rects.push_back(o.rect);
        return rects;
    }
    bool Told() { return window->aids().Overlay().line1 == "Neither side is making progress."; }
    QImage Seen() { return table()->grab().toImage().convertToFormat(QImage::Format_RGB32); }
    // One turn of the player: a flip (a second one after the waste turned over), then the score board.
    void Turn(const std::function<void()>& beforeEnd = {})
    {
        Click(400, 340);
        if (game().WasteCount(1) == 0) Click(400, 340);
        if (beforeEnd) beforeEnd();
        Click(480, 250);
    }
};

// A player that sees only the state and acts only with the mouse.
class PlayThrough : public GuiTest {
protected:
    std::string Act()
    {
        const Game& g = game();
        if (g.GameOver) return "";
        const int top = g.WasteCount(1) > 0 ? g.Waste(1, g.WasteCount(1)) : 0;
        if (top) {
            if (const int f = FoundationFor(g, top)) return DragWaste(QPoint(FoundationX(f), 10)), "waste home";
            for (int p = 1; p <= 4; ++p)
                if (FitsTableau(g, top, p)) return DragWaste(QPoint(PileX(p), PileTopY(g, p) + 12)), "waste to pile";
            if (g.WasteCount(2) > 0 && FitsOpponentWaste(top, g.Waste(2, g.WasteCount(2))))
                return DragWaste(QPoint(495, 25)), "waste onto the computer";
        }
        for (int p = 1; p <= 4; ++p) {
            const int t = PileTop(g, p);
            if (IsCard(t) && FoundationFor(g, t)) return DoubleClick(PileX(p) + 35, PileTopY(g, p) + 47), "pile home";
        }
        for (int p = 1; p <= 4; ++p)
            if (PileTop(g, p) == TurnUpPending)
                return Click(PileX(p) + 35, 125 + 5 * (g.TableauFaceDown(p) - 1)), "turn up";
        // Runs that uncover a face-down card, by dragging or (every other time) a right-click.
        for (int p = 1; p <= 4; ++p) {
            const int k = FaceUpCount(g, p);
            if (k == 0 || g.TableauFaceDown(p) == 0) continue;
            for (int q = 1; q <= 4; ++q) {
                if (q == p || !FitsTableau(g, g.Tableau(p, 1), q)) continue;
                const QPoint lead(PileX(p) + 35, PileTopY(g, p) - 20 * (k - 1) + 10);
                if (++runs_ % 2) Click(lead.x(), lead.y(), Qt::RightButton);
                else Drag(lead, QPoint(PileX(q) + 37, PileTopY(g, q) + 12 + 12));
                return "run";
            }
        }
        if (!top || top != g.FlippedCard) return Click(420, 347), "flip";
        Click(480, 250);
        return "end turn";
    }
    // The waste top is picked 37 across and 49 down from its picture's corner.
    void DragWaste(QPoint pictureAt) { Drag(QPoint(WasteTopX(game(), 1) + 35, 347), pictureAt + QPoint(37, 49)); }

    int Play(int n)
    {
        int actions = 0;
        for (; actions < n && !game().GameOver; ++actions) {
            const std::string what = Act();
            if (const auto check = Sound(); !check) {
                ADD_FAILURE() << "after action " << actions << " (" << what << "): " << check.message();
                break;
            }
            if (!messages.empty() && messages.back() == "You need to flip a card first.") {
                messages.clear();
                Click(420, 347);
            }
        }
        return actions;
    }
    int runs_ = 0;
};

} // namespace

TEST_F(OnTable, AWholeTurnWithKeysAlone)
{
    const Game& g = game();
    const QImage start = screen().copy();
    // The Master first loads the waste top onto the computer's waste, where the Expert would free a face-down card.
    QTest::keyClick(window.get(), Qt::Key_H);
    const TablePlace waste{PlaceKind::PlayerWaste};
    EXPECT_EQ(Outlined(OutlineKind::Hint), (std::vector{PlaceRect(g, waste), PlaceRect(g, TheirWaste)}));
    const OverlayPicture& said = window->aids().Overlay();
    EXPECT_EQ(said.line1 + " " + said.line2,
              QString::fromStdString("Load the " + CardName(g.Waste(1, g.WasteCount(1))) + " onto the computer's waste."));
    EXPECT_TRUE(screen() == start && !g.Undo && Seen() != start.convertToFormat(QImage::Format_RGB32));
    Keys("ss"); // the first shows the focus on the stock
    EXPECT_EQ(g.Waste(1, g.WasteCount(1)), Card("6s"));
    EXPECT_TRUE(Shows(Card("6s"), 465, 300));
    Keys("rs");
    ASSERT_TRUE(window->mouse().Dragging());
    EXPECT_EQ(Outlined(OutlineKind::Drop), std::vector{PlaceRect(g, TheirWaste)});
    Keys("uus");
    EXPECT_EQ(g.Waste(2, g.WasteCount(2)), Card("6s"));

    Keys("ddrsullllln"); // carried past the first pile's left edge
    EXPECT_EQ(g.Tableau(1, 2), Card("8s"));
    EXPECT_EQ(g.Undo->kind, UndoKind::WasteToPile);
    EXPECT_TRUE(Shows(Card("8s"), 10, 140));

    Keys("rusrs"); // the run from the nine
    EXPECT_EQ(std::tuple(g.Undo->kind, g.Undo->from, g.Undo->first, g.Undo->to), std::tuple(UndoKind::Stack, 2, 2, 3));

    const QImage before = screen().copy();
    Keys("lse"); // picked up and put back
    EXPECT_FALSE(window->mouse().Dragging());
    EXPECT_EQ(screen(), before);

    Keys("bbbbs"); // back round to the score board
    EXPECT_FALSE(g.Undo);
    EXPECT_TRUE(messages.empty());
}

TEST_F(OnTable, ADragLightsUpOnlyThePlacesThatTakeItAndLeavesNoTrace)
{
    const QImage before = screen().copy();
    Press(500, 347); // the eight of spades: onto the nine of hearts or the computer's seven
    Move(300, 420);
    const std::vector<Rect> lit{PlaceRect(game(), PileAt(1)), PlaceRect(game(), TheirWaste)};
    // The overlay changed the picture round each of them and nowhere else.
    QImage seen = Seen(), table = screen().convertToFormat(QImage::Format_RGB32);
    for (const Rect& r : lit) {
        const QRect around(int(r.left) - 8, int(r.top) - 8, int(r.right - r.left) + 16, int(r.bottom - r.top) + 16);
        EXPECT_NE(seen.copy(around), table.copy(around));
        QPainter(&seen).fillRect(around, Qt::black);
        QPainter(&table).fillRect(around, Qt::black);
    }
    EXPECT_EQ(seen, table);
    Release(300, 420); // nowhere: home again
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(Seen(), before.convertToFormat(QImage::Format_RGB32));
}

// Three a flip, the computer a Beginner: only the ten of hearts could move.
void Blocked(Game& g, std::vector<int> stock)
{
    g.cfg.FlipNum = 3;
    g.cfg.ComputerLevel = Level::Beginner;
    stock.insert(stock.begin(), {Card("Jd"), Card("Qd"), Card("Kd"), Card("Qc"), Card("Kc")});
    SetStock(g, 1, stock);
}

TEST_F(OnTable, AStandstillIsToldOnceAGameAndGoesWhenACardMoves)
{
    Craft("Th | [9c] Ts | [9d 9h] Jc | [9s Td Tc] Js ; 8c 8d 8h 8s", [](Game& g) { Blocked(g, {}); });
    int turns = 0;
    for (; turns < 12 && !Told(); ++turns) Turn();
    EXPECT_EQ(turns, 4); // two passes of five cards, three a flip, on each side
    EXPECT_NE(Seen().copy(380, 125, 200, 45), screen().copy(380, 125, 200, 45));
    Turn();
    EXPECT_TRUE(Told());
    EXPECT_FALSE(game().GameOver);
    EXPECT_EQ(game().Wins + game().Losses, 0);
    Drag(QPoint(45, 150), QPoint(315, 200)); // the ten of hearts onto the jack of spades
    EXPECT_FALSE(Told());
    for (int t = 0; t < 12; ++t) { // kings fill the pile, then nothing moves again
        Turn();
        EXPECT_FALSE(Told()) << "told again";
    }

    // A new deal where the nine of clubs comes last from the player's stock and goes home at once.
    Craft("Th | Ts | [9d 9h] Jc | [9s Td Tc] Js ; 8c 8d 8h 8s", [](Game& g) {
        Blocked(g, {Card("9c")});
        g.DealString += "'";
    });
    for (int t = 1; t <= 6; ++t) {
        Turn([this] {
            if (game().Waste(1, game().WasteCount(1)) == Card("9c")) Click(WasteTopX(game(), 1) + 30, 340, Qt::RightButton);
        });
        EXPECT_EQ(Told(), t == 6) << "turn " << t; // two passes of the player's after the nine
    }
    EXPECT_EQ(game().Foundation(1, FoundTop), Card("9c"));
}

TEST_F(OnTable, WasteCardDraggedOntoTheComputersWasteLeavesNothingInHand)
{
    Drag(WasteTop1, QPoint(530, 72));
    EXPECT_EQ(Table(game()), "9h | [2d] Td 9c 8h | [3d 4d] Th | Js ; 5c As - - ; Qh (1) ; Qc 7d 8s (1)");
    EXPECT_EQ(game().Undo->kind, UndoKind::Load);
    EXPECT_FALSE(window->mouse().Dragging());
    EXPECT_TRUE(Shows(Card("8s"), 465, 25));
    EXPECT_TRUE(Shows(Card("Qh"), 465, 300));
    // The queen has nowhere to go: a click and a double-click leave the table as it is.
    const QImage before = screen().copy();
    Click(500, 347);
    DoubleClick(500, 347);
    EXPECT_EQ(screen(), before);
}

TEST_F(OnTable, RunDraggedFromItsMiddleCard)
{
    Drag(QPoint(135, 150), QPoint(225, 200));
    EXPECT_EQ(Table(game()), "9h | [2d] Td | [3d 4d] Th 9c 8h | Js ; 5c As - - ; Qh 8s (1) ; Qc 7d (1)");
    EXPECT_TRUE(Shows(Card("9c"), 190, 150, 20));
    EXPECT_TRUE(Shows(Card("8h"), 190, 170));
    EXPECT_TRUE(Shows(Card("Td"), 100, 125));
}

TEST_F(OnTable, RightClickPlaysARunToTheFirstPileThatTakesIt)
{
    Click(135, 130, Qt::RightButton); // on the ten of diamonds leading the run
    EXPECT_EQ(Table(game()), "9h | [2d] | [3d 4d] Th | Js Td 9c 8h ; 5c As - - ; Qh 8s (1) ; Qc 7d (1)");
    EXPECT_TRUE(Shows(Card("8h"), 280, 180));
    EXPECT_TRUE(Shows(game().cfg.CardBack, 100, 120));
    Click(135, 160);
    EXPECT_EQ(PileTop(game(), 2), Card("2d"));
    EXPECT_TRUE(Shows(Card("2d"), 100, 120));
}

TEST_F(OnTable, DoubleClicksPlayToTheFoundations)
{
    Craft("9h 8c 7h 6c | [2d] Td 9c 8h | [3d 4d] Th | Js ; 5c As ; Qh 8s 2s (3) ; Qc 7d", PlayersStock);
    DoubleClick(45, 200); // the six of clubs on top of pile 1
    EXPECT_TRUE(Shows(Card("6c"), 10, 10));
    DoubleClick(470, 340); // the fanned cards under the waste top: the two of spades goes home
    EXPECT_EQ(Table(game()), "9h 8c 7h | [2d] Td 9c 8h | [3d 4d] Th | Js ; 6c 2s - - ; Qh 8s (2) ; Qc 7d (1)");
    EXPECT_FALSE(window->mouse().Dragging());
    EXPECT_TRUE(Shows(Card("2s"), 100, 10));
    EXPECT_TRUE(Shows(Card("8s"), 480, 300));
}

TEST_F(OnTable, ScoreBoardRefusesToEndATurnWithoutAFlip)
{
    game().FlipsThisTurn = 0;
    const int computersBefore = CardsLeft(game(), 2);
    Click(480, 250);
    EXPECT_EQ(messages, std::vector<std::string>{"You must flip a card."});
    EXPECT_EQ(lastTitle, "Tandrel");
    EXPECT_EQ(CardsLeft(game(), 2), computersBefore);
}

TEST_F(OnTable, RefusedOrUnfinishedDragsPutTheirCardsBack)
{
    game().Undo = UndoStep{UndoKind::Flip, 1};
    const std::string laid = Table(game());
    const QImage before = screen().copy();
    Drag(QPoint(45, 160), QPoint(225, 180)); // a red nine onto a red ten
    EXPECT_EQ(screen(), before);
    Press(WasteTop1.x(), WasteTop1.y()); // released outside the window
    Move(600, 460);
    Release(700, 520);
    EXPECT_EQ(screen(), before);
    Press(135, 150); // the window loses the mouse in the middle of a drag
    Move(300, 300);
    QEvent deactivate(QEvent::WindowDeactivate);
    QCoreApplication::sendEvent(table(), &deactivate);
    EXPECT_FALSE(window->mouse().Dragging());
    EXPECT_EQ(screen(), before);
    EXPECT_EQ(Table(game()), laid);
    EXPECT_EQ(game().Undo, (UndoStep{UndoKind::Flip, 1}));
}

TEST_F(GuiTest, AWonGameIsToldThroughRepaintsResizesAndAFinerScreenUntilF2)
{
    // Settings cancelled at the start: over, but nothing dealt and nobody won.
    hands.push_back([](QDialog& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    Start();
    ASSERT_TRUE(game().GameOver);
    EXPECT_TRUE(game().DealString.empty());
    EXPECT_EQ(NoticeShown(screen()), 0);
    Click(400, 340); // the stock: the game counts as over
    EXPECT_EQ(game().WasteCount(1), 0);
    // A hand edit while the game runs (an editor writes the file in place): the win counts on it.
    ProfileFile edited;
    edited.Load(game().cfg.SettingsFile);
    edited.Write(game().cfg.CurrentPlayer, "Win", "3");
    edited.Write(game().cfg.CurrentPlayer, "Loss", "1");
    std::ofstream(game().cfg.SettingsFile, std::ios::binary | std::ios::trunc) << edited.Text();
    Craft("- | - | - | - ; Qc Qd Kh Ks ; Kc ; Kd");
    Click(470, 347);
    DoubleClick(470, 347); // the last card, the king of clubs, goes home
    ASSERT_TRUE(game().GameOver);
    const EndNoticeText t = EndNoticeLines(game());
    EXPECT_EQ(std::tuple(t.title, t.score, t.next), std::tuple("You won!", "Win: 4   Loss: 1", "F2 deals a new game"));
    EXPECT_EQ(NoticeShown(screen()), 1);
    EXPECT_EQ(Stored("Win"), "4");
    EXPECT_FALSE(Offered("mnuOpt", "mnuUndo"));
    const QImage whole = screen().copy();
    QTest::keyClick(window.get(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(game().Foundation(1, FoundTop), game().Wins, game().GameOver), std::tuple(Card("Kc"), 4, true));
    EXPECT_EQ(screen(), whole);

    const QRect area(EndNoticeArea.left, EndNoticeArea.top, 300, 100);
    const QImage won = screen().copy(area);
    window->table().RedrawTable();
    EXPECT_EQ(screen().copy(area), won);
    window->tableWidget().resize(800, 600);
    EXPECT_EQ(screen().copy(area), won);
    window->table().SetScale(2);
    window->table().Resize(800, 600);
    window->table().RedrawTable();
    EXPECT_EQ(NoticeShown(screen(), 2), 1);

    QTest::keyClick(window.get(), Qt::Key_F2);
    ASSERT_FALSE(game().GameOver);
    EXPECT_EQ(game().GamesDealt, 1);
    window->table().RedrawTable();
    EXPECT_EQ(NoticeShown(screen(), 2), 0);
    window->close();
    EXPECT_EQ(Stored("Win"), "4") << "the exit adds nothing twice";
}

TEST_F(GuiTest, ALostGameIsToldInTheComputersColourUntilTheDealIsRestarted)
{
    Start();
    const std::string deal = game().DealString;
    // The player holds one card, so the turn ends without a flip; the computer plays its king home.
    Craft("Qs | - | - | - ; Kc Qd Kh Js ; Ks ; Kd");
    game().DealString = deal;
    Click(480, 250);
    ASSERT_TRUE(game().GameOver);
    const EndNoticeText t = EndNoticeLines(game());
    EXPECT_EQ(std::tuple(t.title, t.score), std::tuple("The computer won.", "Win: 0   Loss: 1"));
    EXPECT_EQ(NoticeShown(screen()), 2);
    QTest::keyClick(window.get(), Qt::Key_F3);
    EXPECT_FALSE(game().GameOver);
    EXPECT_EQ(NoticeShown(screen()), 0);
}

TEST_F(GuiTest, FitTableToWindowScalesTheTableAndTheMouseFollows)
{
    MainWindow& w = Start();
    QAction* fit = w.findChild<QAction*>("mnuFitTable");
    ASSERT_TRUE(fit && fit->isCheckable());
    const auto tableFits = [&w] { return w.table().TableWidth() >= 640 && w.table().TableHeight() >= 480; };
    w.resize(300, 200);
    EXPECT_TRUE(tableFits());
    fit->trigger(); // fitted, the window may be smaller
    EXPECT_TRUE(fit->isChecked());
    EXPECT_EQ(Stored("FitTable"), "1");
    ASSERT_TRUE(QTest::qWaitFor([&w] { return w.minimumWidth() < 640; }, 20000));
    w.resize(320, 300);
    EXPECT_EQ(w.tableWidget().width(), 320);
    fit->trigger();
    EXPECT_TRUE(QTest::qWaitFor([&] { return tableFits() && w.tableWidget().width() >= 640; }, 20000));
    fit->trigger();

    for (const QSize size : {QSize(1480, 960), QSize(700, 1000)}) {
        w.tableWidget().resize(size);
        EXPECT_EQ(QSize(w.table().TableWidth(), w.table().TableHeight()), QSize(640, 480));
        QTest::keyClick(&w, Qt::Key_F3); // the deal again, its stock untouched
        const QPoint stock = Shown(w.tableWidget(), 400, 340);
        Click(stock.x(), stock.y());
        EXPECT_EQ(game().WasteCount(1), 1) << size.width();
    }
    // A drag in the maximised window: the eight of spades from the waste onto the red nine.
    w.showMaximized();
    QCoreApplication::processEvents();
    Craft(Layout, PlayersStock);
    Drag(Shown(w.tableWidget(), 500, 347), Shown(w.tableWidget(), 45, 190));
    EXPECT_EQ(game().Tableau(1, 2), Card("8s"));
    const int before = game().WasteCount(1);

    fit->trigger();
    EXPECT_FALSE(fit->isChecked());
    EXPECT_EQ(w.table().TableWidth(), w.tableWidget().width());
    Click(400, 340);
    EXPECT_EQ(game().WasteCount(1), before + 1);

    fit->trigger();
    Start();
    EXPECT_TRUE(window->tableWidget().Fit());
    EXPECT_EQ(window->table().TableWidth(), 640);
}

TEST_F(GuiTest, AFittedTableIsDrawnAtItsOwnScaleWithItsBackgroundAround)
{
    MainWindow& w = Start();
    if (!QFile::exists(":/builtin/cards0@2x.png")) GTEST_SKIP() << "the built-in pictures are not in this build";
    w.findChild<QAction*>("mnuFitTable")->trigger();
    Settings& cfg = game().cfg;
    cfg.TableColor = 0x996633;
    const QRgb colour = qRgb(0x33, 0x66, 0x99), lastBand = qRgb(0x33 + 126, 0x66 + 126, 255);
    const QRgb border = w.table().WindowImage().pixel(10, 167); // the dealt card at (10, 120), mid-height
    struct Case {
        QSize size;
        int art;      // the art scale drawn from
        double ratio; // device pixels per table pixel
        QPoint margin;
        bool picture, gradient;
    };
    for (const Case c : {Case{{801, 480}, 1, 1, {80, 0}, true, false}, Case{{1000, 720}, 2, 1.5, {20, 0}, false, false},
                         Case{{1280, 1100}, 2, 2, {0, 70}, false, true}}) {
        SCOPED_TRACE(c.ratio);
        w.resize(c.size + QSize(0, w.tableWidget().y()));
        ASSERT_EQ(w.tableWidget().size(), c.size);
        cfg.TableBackground = c.picture ? Background::Picture : Background::Colour;
        cfg.ColourFill = c.gradient ? Fill::Gradient : Fill::Solid;
        w.table().RedrawTable();
        const QImage table = w.table().WindowImage().convertToFormat(QImage::Format_RGB32);
        const QImage shown = w.tableWidget().grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect area(c.margin, QSize(640, 480) * c.ratio);
        EXPECT_EQ(table.size(), QSize(640, 480) * c.art);
        EXPECT_TRUE(c.art != c.ratio || shown.copy(area) == table);
        EXPECT_EQ(c.picture ? 0 : EdgeBlur(shown, c.margin + QPoint(0, int(167 * c.ratio)), border), 0);
        // The margins: the tiles reach on (at 1x), the colour, the gradient's end bands.
        const QImage& tile = w.table().BackgroundPicture();
        for (int y = 0; y < shown.height(); y += 7)
            for (int x = 0; x < shown.width(); x += 5) {
                if (area.contains(x, y)) continue;
                const QPoint t = QPoint(x, y) - c.margin + QPoint(tile.width(), tile.height()) * 4;
                const QRgb want = c.picture    ? tile.pixel(t.x() % tile.width(), t.y() % tile.height())
                                  : c.gradient ? (y < area.top() ? colour : lastBand)
                                               : colour;
                ASSERT_EQ(shown.pixel(x, y), want) << x << ", " << y;
            }
    }
}

TEST_F(PlayThrough, ManyTurnsOfSeveralDeals)
{
    Start();
    for (int deal = 0; deal < 3; ++deal) {
        if (deal > 0) QTest::keyClick(window.get(), Qt::Key_F2);
        ASSERT_TRUE(Sound());
        EXPECT_GT(Play(250), 40);
    }
    EXPECT_EQ(game().GamesDealt, 3);
    for (const std::string& m : messages) EXPECT_NE(m, "You must flip a card.");
}

TEST_F(PlayThrough, ThePlayerPlaysOutTheLastCardsAndWins)
{
    Start();
    Craft("Kc Qh | Kd | - | - ; Tc Td Th Ts ; Js Jc (2) ; Jd", [](Game& g) {
        SetStock(g, 1, {Card("Jh")});
        SetStock(g, 2, {Card("Qd"), Card("Qs"), Card("Qc"), Card("Ks"), Card("Kh")});
    });
    game().Wins = 3;
    Play(40);
    ASSERT_TRUE(game().GameOver);
    EXPECT_EQ(std::tuple(CardsLeft(game(), 1), game().Wins, game().LastWinner), std::tuple(0, 4, 1));
    // The computer's leftover cards lie face up from (380, 0), 20 apart; the last shows whole.
    std::vector<int> left;
    for (int i = 1; i <= 42; ++i)
        for (int c : {game().Stock(2, i), game().Waste(2, i)})
            if (c) left.push_back(c);
    ASSERT_FALSE(left.empty());
    const int n = static_cast<int>(left.size()) - 1;
    EXPECT_TRUE(Shows(left.back(), 380 + 20 * (n % 9), 25 * (n / 9)));
}
