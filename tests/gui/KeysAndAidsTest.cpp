// Play on the real main window: drags, drops, right-clicks, double-clicks and
// clicks, a whole turn with keys alone, the places a carried card would go lit
// up, the hint, and the notice of a game where neither side gets anywhere.
#include <QPainter>

#include "engine/Places.h"
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// Face-down cards under two piles, clubs up to the five and the ace of spades
// home, the player's waste ending with the eight of spades and the six of spades to come.
const char* const Layout = "9h | [2d] Td 9c 8h | [3d 4d] Th | Js ; 5c As ; Qh 8s ; Qc 7d";
void PlayersStock(Game& g) { SetStock(g, 1, {Card("6s"), Card("2h"), Card("3h")}); }
const TablePlace TheirWaste{PlaceKind::ComputerWaste};
const QPoint WasteTop1(500, 347); // the player's waste top with one card fanned

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

} // namespace

TEST_F(OnTable, AWholeTurnWithKeysAlone)
{
    const Game& g = game();
    const QImage start = screen().copy();
    QTest::keyClick(window.get(), Qt::Key_H); // the Expert first frees a face-down card: the run onto the jack
    EXPECT_EQ(Outlined(OutlineKind::Hint), (std::vector{PlaceRect(g, PileAt(2, 1)), PlaceRect(g, PileAt(4))}));
    EXPECT_TRUE(screen() == start && g.UndoRecord.empty() && Seen() != start.convertToFormat(QImage::Format_RGB32));
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
    EXPECT_EQ(g.UndoRecord, "3134");
    EXPECT_TRUE(Shows(Card("8s"), 10, 140));

    Keys("rusrs"); // the run from the nine
    EXPECT_EQ(g.UndoRecord, "202165020313002");

    const QImage before = screen().copy();
    Keys("lse"); // picked up and put back
    EXPECT_FALSE(window->mouse().Dragging());
    EXPECT_EQ(screen(), before);

    Keys("bbbbs"); // back round to the score board
    EXPECT_EQ(g.UndoRecord, "");
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(Sound());
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

// Three a flip, the computer a Beginner: nothing either hand holds fits
// anywhere, and only the ten of hearts could move.
void Blocked(Game& g, std::vector<int> stock)
{
    g.cfg.FlipNum = 3;
    g.cfg.Style = 0;
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
    EXPECT_EQ(game().UndoRecord, "6");
    EXPECT_EQ(game().DragCard, 0);
    EXPECT_TRUE(Sound());
    EXPECT_TRUE(Shows(Card(4, 8), 465, 25));
    EXPECT_TRUE(Shows(Card(3, 12), 465, 300));
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
    EXPECT_TRUE(Sound());
    EXPECT_TRUE(Shows(Card(1, 9), 190, 150, 20));
    EXPECT_TRUE(Shows(Card(3, 8), 190, 170));
    EXPECT_TRUE(Shows(Card(2, 10), 100, 125));
}

TEST_F(OnTable, RightClickPlaysARunToTheFirstPileThatTakesIt)
{
    Click(135, 130, Qt::RightButton); // on the ten of diamonds leading the run
    EXPECT_EQ(Table(game()), "9h | [2d] @120 | [3d 4d] Th | Js Td 9c 8h ; 5c As - - ; Qh 8s (1) ; Qc 7d (1)");
    EXPECT_TRUE(Shows(Card(3, 8), 280, 180));
    EXPECT_TRUE(Shows(game().cfg.CardBack, 100, 120));
    // The card waiting face down turns up with a click.
    Click(135, 160);
    EXPECT_EQ(game().TableauTop(2, TopCard), Card(2, 2));
    EXPECT_TRUE(Shows(Card(2, 2), 100, 120));
    EXPECT_TRUE(Sound());
}

TEST_F(OnTable, DoubleClicksPlayToTheFoundations)
{
    Craft("9h 8c 7h 6c | [2d] Td 9c 8h | [3d 4d] Th | Js ; 5c As ; Qh 8s 2s (3) ; Qc 7d", PlayersStock);
    DoubleClick(45, 200); // the six of clubs on top of pile 1
    EXPECT_TRUE(Shows(Card(1, 6), 10, 10));
    DoubleClick(470, 340); // the fanned cards under the waste top: the two of spades goes home
    EXPECT_EQ(Table(game()), "9h 8c 7h | [2d] Td 9c 8h | [3d 4d] Th | Js ; 6c 2s - - ; Qh 8s (2) ; Qc 7d (1)");
    EXPECT_EQ(game().DragCard, 0);
    EXPECT_TRUE(Shows(Card(4, 2), 100, 10));
    EXPECT_TRUE(Shows(Card(4, 8), 480, 300));
    EXPECT_TRUE(Sound());
}

TEST_F(OnTable, ScoreBoardRefusesToEndATurnWithoutAFlip)
{
    game().FlipsThisTurn = 0;
    const int computersBefore = game().CardsLeft(2);
    Click(480, 250);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "You must flip a card.");
    EXPECT_EQ(lastTitle, "Tandrel");
    EXPECT_EQ(game().CardsLeft(2), computersBefore);

    // A flip, then the board hands over to the computer, which plays and hands back.
    Click(400, 340);
    EXPECT_EQ(game().Waste(1, game().WasteCount(1)), Card("6s"));
    Click(480, 250);
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_FALSE(game().ComputerBusy);
    EXPECT_EQ(game().UndoRecord, "");
    EXPECT_TRUE(Sound());
}

TEST_F(OnTable, RefusedOrUnfinishedDragsPutTheirCardsBack)
{
    game().UndoRecord = "1";
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
    EXPECT_EQ(game().UndoRecord, "1");
    EXPECT_TRUE(Sound());
}
