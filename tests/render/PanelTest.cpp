// The status panel and the score board: texts by state, the busy colour, and
// text that stays inside its panel.
#include <QFontMetrics>

#include "RenderFixture.h"
#include "engine/Deal.h"
#include "render/Fonts.h"
#include "render/Outlines.h"
#include "support/Positions.h"

namespace tandrel::testing {
namespace {

const QRect StatusArea(380, 125, 200, 45);
const QRect ScoreArea(380, 180, 200, 115);

class Panels : public RenderTest {
protected:
    Panels()
    {
        game.GameOver = false;
        table->DrawTableBackground();
    }

    // Pixels that differ from an empty panel of the same face must lie inside
    // the chamfered outline, and there must be some. A blank line gives the
    // busy panel its white face without any text.
    void ExpectTextInside(const QRect& area, bool busy)
    {
        const QImage withText = window().copy();
        table->DrawPanel(area.x(), area.y(), area.width(), area.height(), busy ? " " : "", "", busy);
        const QRect inner = area.adjusted(3, 3, -3, -3);
        int inside = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                if (withText.pixel(x, y) == window().pixel(x, y)) continue;
                if (!inner.contains(x, y)) {
                    ADD_FAILURE() << "text outside the panel at " << x << "," << y;
                    return;
                }
                ++inside;
            }
        EXPECT_GT(inside, 50);
    }
};

TEST(StatusLines, FollowTheStateOfTheGame)
{
    HeadlessView view;
    Game g(view);
    g.GameOver = false;
    const auto lines = [&g](bool force) {
        const StatusText s = StatusLines(g, force);
        return (s.line1 + "|" + s.line2 + (s.busy ? "|busy" : "")).toStdString();
    };
    EXPECT_EQ(lines(false), "It is your turn. Click the|score board when finished.");
    EXPECT_EQ(lines(true), "Press F2 to start a new game.|");
    g.ComputerBusy = true;
    EXPECT_EQ(lines(false), "Please wait...||busy");
    EXPECT_EQ(lines(true), "Press F2 to start a new game.||busy");
    g.GameOver = true; // the end of the game ends the computer's turn too
    EXPECT_EQ(lines(false), "Game Over!|Press F2 to start a new game.");
}

TEST_F(Panels, StatusPanelIsWhiteWithDarkTextOnlyWhileTheComputerPlays)
{
    const QPoint face(StatusArea.x() + 5, StatusArea.y() + 22);
    const struct {
        bool busy, over;
        QColor colour;
    } cases[] = {{false, false, ButtonFace()}, {true, false, Qt::white}, {true, true, ButtonFace()}, {false, true, ButtonFace()}};
    for (const auto& c : cases) {
        game.ComputerBusy = c.busy;
        game.GameOver = c.over;
        table->StatusPanel(false);
        EXPECT_EQ(window().pixel(face), c.colour.rgb()) << c.busy << c.over;
        ExpectTextInside(StatusArea, c.colour == Qt::white);
    }
    table->showingWindow = true;
    table->RedrawTable();
    ExpectTextInside(StatusArea, false);
    // The computer's winning move: the long hint, bold on white, still fits.
    game.ComputerBusy = true;
    table->StatusPanel(true);
    ExpectTextInside(StatusArea, true);

    // The busy text is dark even with a light text colour.
    const QPalette desktop = QGuiApplication::palette();
    QPalette dark = desktop;
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Button, QColor(40, 40, 40));
    QGuiApplication::setPalette(dark);
    game.GameOver = false;
    table->StatusPanel(false);
    QGuiApplication::setPalette(desktop);
    int darkPixels = 0;
    for (int y = 130; y < 165; ++y)
        for (int x = 390; x < 570; ++x) darkPixels += qGray(window().pixel(x, y)) < 100;
    EXPECT_GT(darkPixels, 30);
}

TEST_F(Panels, TextFitsItsPanelsAndAPartialScoreUpdateMatchesAFullOne)
{
    const QImage shown = window();
    const QFontMetrics m(table->TextFont(), &shown);
    EXPECT_LE(m.horizontalAdvance("It is your turn. Click the"), 184);
    EXPECT_LE(m.horizontalAdvance("score board when finished."), 184);
    EXPECT_LE(m.horizontalAdvance("Opponent's cards left:        ") + 20, 187);
    EXPECT_LE(table->TextFont().pointSizeF(), TableFontPoints());
    EXPECT_EQ(TableFontPoints(), LargeFonts() ? 6.0 : 9.75);
    SetCardsLeft(game, 1, 21), SetCardsLeft(game, 2, 42), game.Wins = 123, game.Losses = 99;
    table->ScoreBoard(true);
    ExpectTextInside(ScoreArea, false);

    table->ScoreBoard(true);
    SetCardsLeft(game, 1, 13), SetCardsLeft(game, 2, 7);
    table->changed = {};
    table->ScoreBoard(false);
    const QImage partial = window().copy();
    EXPECT_TRUE(ScoreArea.contains(table->changed));
    table->ScoreBoard(true);
    EXPECT_EQ(AreaDiff(window(), partial, ScoreArea), "");
    // Without statistics the score board is hidden, but not the status panel.
    game.cfg.ShowStats = 0;
    const QImage before = window().copy();
    table->ScoreBoard(true);
    table->ScoreBoard(false);
    EXPECT_EQ(window(), before);
    table->StatusPanel(false);
    EXPECT_NE(window(), before);
}

// Text measured and drawn on another thread stands in for text drawn here,
// pixel for pixel, at both scales: the first picture of a start, a deal, a
// partial score, the computer at work; and never over anything but its face.
TEST(PreparedText, GivesTheSamePixelsAsTextDrawnHere)
{
    for (const int scale : {1, 2}) {
        HeadlessView view;
        Game g(view);
        g.Wins = 17, g.Losses = 4, g.StockPasses(2) = 1;
        CardArt art = SampleArt();
        art.scale = scale;
        for (QImage* picture : {&art.sheets[0], &art.sheets[1], &art.sheets[2], &art.sheets[3], &art.shadow, &art.tile})
            *picture = picture->scaled(picture->size() * scale);
        OffscreenTable here(g, art), ahead(g, art);
        ahead.PrepareText();
        here.Resize(640, 480), ahead.Resize(640, 480);
        const auto same = [&](const char* what) {
            const QImage a = here.WindowImage(), b = ahead.WindowImage();
            ASSERT_EQ(a.size(), QSize(640, 480) * scale);
            if (a != b) ADD_FAILURE() << what << " at scale " << scale << ": " << AreaDiff(a, b, a.rect());
        };
        const auto both = [&](auto draw) { draw(here), draw(ahead); };

        // The first picture: the hint to deal, the empty stocks.
        g.GameOver = true;
        here.showingWindow = ahead.showingWindow = true;
        both([](QtTable& t) { t.RedrawTable(); });
        same("first picture");
        EXPECT_EQ(ahead.PreparedLinesDrawn(), 12); // two stocks, one status line, the score board's nine
        here.showingWindow = ahead.showingWindow = false;
        // A deal's panels, and numbers never prepared.
        g.GameOver = false;
        SetCardsLeft(g, 1, DealtToEachSide), SetCardsLeft(g, 2, DealtToEachSide);
        both([](QtTable& t) { t.ScoreBoard(true), t.StatusPanel(false); });
        same("deal");
        SetCardsLeft(g, 1, 13), SetCardsLeft(g, 2, 38);
        both([](QtTable& t) { t.ScoreBoard(false); });
        same("partial score");
        g.ComputerBusy = true;
        both([](QtTable& t) { t.StatusPanel(false); });
        same("computer at work");
        EXPECT_EQ(here.PreparedLinesDrawn(), 0);

        // A panel too low for its lines: the second crosses its outline and
        // the table below, where drawn text blends and a picture would not.
        g.ComputerBusy = false;
        const StatusText lines = StatusLines(g, false);
        both([&](QtTable& t) { t.DrawPanel(380, 125, 200, 22, lines.line1, lines.line2, false); });
        same("a squeezed panel");
    }
}

// Level and upright lines and the boxes' outlines are filled as thin boxes of
// device pixels: at every scale the very pixels the one-pixel pen lights.
TEST(Outlines, ThinBoxesAreThePensPixelsAtEveryScale)
{
    for (int k = 1; k <= 3; ++k) {
        QImage filled(30 * k, 20 * k, QImage::Format_RGB32), drawn(filled.size(), QImage::Format_RGB32);
        for (QImage* image : {&filled, &drawn}) {
            image->setDevicePixelRatio(k);
            image->fill(Qt::white);
        }
        {
            QPainter p(&filled);
            Segment(p, Qt::red, 3, 2, 20, 2);
            Segment(p, Qt::blue, 25, 18, 25, 4);
            OutlinedBox(p, 5, 6, 14, 15, Qt::green);
        }
        {
            QPainter p(&drawn);
            p.setPen(QPen(Qt::red, 0));
            p.drawLine(3, 2, 19, 2);
            p.setPen(QPen(Qt::blue, 0));
            p.drawLine(25, 18, 25, 5);
            p.fillRect(QRect(QPoint(5, 6), QPoint(14, 15)), Qt::green);
            p.setPen(QPen(Qt::black, 0));
            p.drawRect(QRect(QPoint(5, 6), QPoint(13, 14)));
        }
        EXPECT_EQ(AreaDiff(filled, drawn, filled.rect()), "") << "scale " << k;
    }
}

} // namespace
} // namespace tandrel::testing
