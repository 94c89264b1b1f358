// The whole table redrawn from a game state: every pile where it belongs,
// pixel for pixel the cards DrawCard draws there.
#include "RenderFixture.h"
#include "render/Outlines.h"
#include "support/Positions.h"

namespace tandrel::testing {
namespace {

class TableRepaint : public RenderTest {
protected:
    TableRepaint()
    {
        game.GameOver = false;
        game.cfg.CardBack = 58;
        // Three backs under pile 2's run; pile 4's card waits to be turned. The player's
        // waste has a hole and shows three; the ace of diamonds, clubs to the five and the ace of hearts home.
        Lay(game, "Qc | [9s 8s 2s] Qh Jc | - | [3s] ; Ad - 5c Ah ; 2d . 4d 5d 6d 7d (3) ; 7s");
        // A full stock for the player; the computer went through its stock twice.
        game.StockLevel(1) = 30, SetCardsLeft(game, 1, 21);
        game.StockLevel(2) = 0, game.StockPasses(2) = 2, SetCardsLeft(game, 2, 4);
    }

    // A foundation's card over the empty well that foundation 2 shows.
    QImage CardOnWell(int card) const
    {
        QImage well = window().copy(FoundationX(2) - 1, 9, 73, 97);
        table->DrawCardOn(well, 1, 1, card);
        return well;
    }
};

TEST_F(TableRepaint, PilesLieWhereTheStateSaysAndAPassedThroughStockShowsTheEmptyPlace)
{
    table->RedrawTable();
    const QImage tableau = Expected({{10, 120, 12},
                                     {100, 120, 58}, {100, 125, 58}, {100, 130, 58}, {100, 135, 25}, {100, 155, 11},
                                     {280, 120, 58}});
    EXPECT_EQ(AreaDiff(window(), tableau, {0, 112, 375, 368}), "");

    // Three backs deep for 21 cards, then the top three waste slots with the top rightmost.
    const QImage hand = Expected({{380, 300, 58}, {384, 300, 58}, {388, 300, 58},
                                  {465, 300, 44}, {480, 300, 45}, {495, 300, 46}});
    EXPECT_EQ(AreaDiff(window(), hand, {375, 296, 265, 184}), "");

    EXPECT_EQ(window().copy(9, 9, 73, 97), CardOnWell(53));
    EXPECT_EQ(window().copy(FoundationX(3) - 1, 9, 73, 97), CardOnWell(5));
    EXPECT_EQ(window().copy(FoundationX(4) - 1, 9, 73, 97), CardOnWell(27));
    EXPECT_EQ(table->changed, window().rect());

    // The computer's stock, passed through, shows the empty place.
    EXPECT_EQ(window().pixel(379, 24), qRgb(0, 0, 0));
    EXPECT_EQ(window().pixel(452, 119), qRgb(0, 0, 0));
    EXPECT_EQ(window().pixel(400, 25), ButtonShadow().rgb());
    EXPECT_EQ(window().pixel(451, 60), ButtonHighlight().rgb());
    // One waste card at x = 465 beside it, no card backs anywhere in the place.
    const QImage waste = Expected({{465, 25, 33}});
    EXPECT_EQ(AreaDiff(window(), waste, {465, 25, 71, 95}), "");
    EXPECT_EQ(AreaDiff(window(), table->BareTable(), {536, 25, 50, 95}), "");

    const QImage round2 = window().copy(380, 25, 72, 95);
    game.StockPasses(2) = 3;
    table->DrawEmptyStock(2);
    EXPECT_NE(window().copy(380, 25, 72, 95), round2); // the pass number is written

    // As a game leaves it: the counter still high, the pass over.
    game.StockLevel(2) = 21;
    game.StockEmpty(2) = true;
    table->RedrawTable();
    const QImage passed = window().copy(380, 25, 72, 95);
    game.StockLevel(2) = 0;
    game.StockEmpty(2) = false;
    table->RedrawTable();
    EXPECT_EQ(window().copy(380, 25, 72, 95), passed);
}

TEST_F(TableRepaint, StockIsOneTwoOrThreeBacksThick)
{
    const struct {
        int left;
        std::vector<int> backs;
    } cases[] = {{1, {380}}, {6, {380}}, {7, {380, 384}}, {15, {380, 384}}, {16, {380, 384, 388}}, {21, {380, 384, 388}}};
    for (const auto& c : cases) {
        table->RedrawTable();
        SetCardsLeft(game, 1, c.left);
        table->DrawStock(1);
        QImage expected = table->BareTable();
        for (int x : c.backs) table->DrawCardOn(expected, x, 300, 58);
        EXPECT_EQ(AreaDiff(window(), expected, {380, 300, 190, 95}), "") << c.left << " cards left";
    }
    for (int k = 1; k <= HandSlots; ++k) game.Waste(1, k) = 0; // a hand played out
    SetCardsLeft(game, 1, 0);
    table->RedrawTable();
    const QImage before = window().copy();
    table->DrawStock(1);
    EXPECT_EQ(window(), before);
}

TEST_F(TableRepaint, RedrawOverAnotherTableIsEachPartDrawnOverTheBareTable)
{
    // The slow way: the bare table everywhere, then each pile and panel over it.
    const auto pieceByPiece = [&] {
        table->DrawTableBackground();
        table->RedrawHand(1);
        table->RedrawHand(2);
        table->RedrawFoundations();
        table->RedrawTableau();
        table->ScoreBoard(true);
        table->StatusPanel(false);
        table->DrawEndNotice();
        return window().copy();
    };
    // A redraw over a magenta table, a colour the sample tile never has.
    const auto overMagenta = [&] {
        game.cfg.TableBackground = Background::Colour, game.cfg.ColourFill = Fill::Solid;
        game.cfg.TableColor = 0xFF00FF;
        table->DrawTableBackground();
        game.cfg.TableBackground = Background::Picture;
        table->RedrawTable();
        return window().copy();
    };
    EXPECT_EQ(AreaDiff(overMagenta(), pieceByPiece(), window().rect()), "");
    for (int k = 1; k <= HandSlots; ++k) game.Waste(1, k) = 0; // a hand played out, its stock not passed
    SetCardsLeft(game, 1, 0);
    game.cfg.ShowStats = false;
    EXPECT_EQ(AreaDiff(overMagenta(), pieceByPiece(), window().rect()), "");
}

TEST_F(TableRepaint, HandAtEndIsLaidOutInRowsOfNineAndSmallOrEmptyWindowsClip)
{
    for (int i = 1; i <= 6; ++i) {
        game.Stock(2, i) = 1 + i;
        game.Waste(2, i) = i <= 5 ? 20 + i : 0;
    }
    table->DrawTableBackground();
    table->ShowHandAtEnd(1);
    const QImage expected = Expected({{380, 0, 2}, {400, 0, 21}, {420, 0, 3}, {440, 0, 22}, {460, 0, 4}, {480, 0, 23},
                                      {500, 0, 5}, {520, 0, 24}, {540, 0, 6}, {380, 25, 25}, {400, 25, 7}});
    EXPECT_EQ(AreaDiff(window(), expected, window().rect()), "");

    table->Resize(300, 200);
    table->RedrawTable();
    EXPECT_EQ(window().size(), QSize(300, 200));
    EXPECT_EQ(table->BareTable().size(), QSize(300, 200));
    EXPECT_EQ(AreaDiff(window(), Expected({{10, 120, 12}}), {0, 112, 90, 88}), "");

    table->Resize(0, 0);
    table->RedrawTable();
    table->SnapshotTable();
    table->CaptureDragImage(0, 0, 73, 97);
    table->DrawMoveFrame(10, 10, 73, 97);
    EXPECT_TRUE(window().isNull());
    EXPECT_EQ(table->TableWidth(), 0);
}

} // namespace
} // namespace tandrel::testing
