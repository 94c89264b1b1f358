// A player that sees only the state and acts only with the mouse on the real
// window: it picks a legal move, makes it by pressing, dragging, clicking or
// double-clicking, and after every action the whole position must hold.
#include "engine/Moves.h"
#include "gui/GuiFixture.h"
#include "input/Geometry.h"
#include "engine/Slide.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

class PlayThrough : public GuiTest {
protected:
    // Sees only the state and acts only with the mouse.
    class MousePlayer {
    public:
        explicit MousePlayer(PlayThrough& t) : t_(t), g_(t.game()) {}

        // One action, named; "" when the game is over.
        std::string Act()
        {
            if (g_.GameOver) return "";
            const int top = WasteTop();
            if (top) {
                if (const int f = FoundationFor(g_, top)) return DragWaste(QPoint(FoundationX(f), 10)), "waste home";
                for (int p = 1; p <= 4; ++p)
                    if (FitsTableau(g_, top, p)) return DragWaste(QPoint(PileX(p), g_.TableauTop(p, TopY) + 12)), "waste to pile";
                if (g_.WasteCount(2) > 0 && FitsOpponentWaste(top, g_.Waste(2, g_.WasteCount(2))))
                    return DragWaste(QPoint(495, 25)), "waste onto the computer";
            }
            for (int p = 1; p <= 4; ++p) {
                const int t = g_.TableauTop(p, TopCard);
                if (IsCard(t) && FoundationFor(g_, t)) return t_.DoubleClick(PileX(p) + 35, g_.TableauTop(p, TopY) + 47), "pile home";
            }
            for (int p = 1; p <= 4; ++p)
                if (g_.TableauTop(p, TopCard) == TurnUpPending)
                    return t_.Click(PileX(p) + 35, 125 + 5 * (g_.TableauFaceDown(p) - 1)), "turn up";
            // Runs that uncover a face-down card, by dragging or (every other time) a right-click.
            for (int p = 1; p <= 4; ++p) {
                const int k = TopSlot(g_, p);
                if (k == 0 || g_.TableauFaceDown(p) == 0) continue;
                for (int q = 1; q <= 4; ++q) {
                    if (q == p || !FitsTableau(g_, g_.Tableau(p, 1), q)) continue;
                    const QPoint lead(PileX(p) + 35, g_.TableauTop(p, TopY) - 20 * (k - 1) + 10);
                    if (++runs_ % 2) t_.Click(lead.x(), lead.y(), Qt::RightButton);
                    else t_.Drag(lead, QPoint(PileX(q) + 37, g_.TableauTop(q, TopY) + 12 + 12));
                    return "run";
                }
            }
            if (!top || top != g_.FlippedCard) return t_.Click(420, 347), "flip";
            t_.Click(480, 250);
            return "end turn";
        }

    private:
        int WasteTop() const { return g_.WasteCount(1) > 0 ? g_.Waste(1, g_.WasteCount(1)) : 0; }
        // The waste top is picked 37 across and 49 down from its picture's corner.
        void DragWaste(QPoint pictureAt) { t_.Drag(QPoint(WasteTopX(g_, 1) + 35, 347), pictureAt + QPoint(37, 49)); }

        PlayThrough& t_;
        Game& g_;
        int runs_ = 0;
    };

    // Plays up to n actions; every one must leave a sound position.
    int Play(int n)
    {
        MousePlayer player(*this);
        int actions = 0;
        for (; actions < n && !game().GameOver; ++actions) {
            const std::string what = player.Act();
            const auto check = Sound();
            if (!check) {
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
};

} // namespace

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
        SetStock(g, 1, {Card(3, 11)});
        SetStock(g, 2, {Card(2, 12), Card(4, 12), Card(1, 12), Card(4, 13), Card(3, 13)});
    });
    game().Wins = 3;
    Play(40);
    ASSERT_TRUE(game().GameOver);
    EXPECT_EQ(game().CardsLeft(1), 0);
    EXPECT_EQ(game().Wins, 4);
    EXPECT_EQ(game().LastWinner, 1);
    // The computer's leftover cards are laid out face up from (380, 0), 20 pixels apart;
    // the last one laid shows whole.
    std::vector<int> left;
    for (int i = 1; i <= 42; ++i)
        for (int c : {game().Stock(2, i), game().Waste(2, i)})
            if (c) left.push_back(c);
    ASSERT_FALSE(left.empty());
    const int n = static_cast<int>(left.size()) - 1;
    EXPECT_TRUE(Shows(left.back(), 380 + 20 * (n % 9), 25 * (n / 9)));
}
