// The table through Qt's accessibility interface, as a screen reader reads it:
// every place named by what it holds, the keyboard's focus followed, and the
// moves, refusals and turns announced as they are shown.
#include <QAccessible>
#include <QAccessibleInterface>

#include "app/TableAccessible.h"
#include "gui/GuiFixture.h"
#include "support/Positions.h"

using namespace tandrel;
using namespace tandrel::testing;

namespace {

// The events the bus would carry, with the name of the child each is about at that moment.
struct Heard {
    QAccessible::Event type;
    int child;
    QString name;
};

class TableAccessibility : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        Start();
        window->speaker().notify = [this](QAccessibleEvent& e) {
            QAccessibleInterface* about = e.accessibleInterface();
            events.push_back({e.type(), e.child(), about ? about->text(QAccessible::Name) : QString()});
        };
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return table()->hasFocus(); }, 30000)); // keys and focus events need it
    }
    QAccessibleInterface* Table() { return QAccessible::queryAccessibleInterface(&window->tableWidget()); }
    QStringList Names()
    {
        QStringList names;
        for (int i = 0; i < Table()->childCount(); ++i) names << Table()->child(i)->text(QAccessible::Name);
        return names;
    }
    // What the game said, in order.
    QStringList Said()
    {
        QStringList said;
        for (const Heard& h : events)
            if (h.type == QAccessible::NameChanged && h.child == TableSpeaker::SaidIndex) said << h.name;
        return said;
    }
    QPoint Centre(const TablePlace& p)
    {
        const Rect r = PlaceRect(game(), p);
        return {int(r.left + r.right) / 2, int(r.top + r.bottom) / 2};
    }

    std::vector<Heard> events;
};

TEST_F(TableAccessibility, EveryPlaceIsNamedByWhatItHolds)
{
    Craft("Ts 9h | [2d] Td | [3d 4d] Th | - ; Ac 2h ; Qh 7s 8s (3) ; Qc 7d");
    window->aids().Refresh(game(), window->mouse());
    ASSERT_EQ(Table()->childCount(), TableSpeaker::Count);
    const QStringList names = Names();
    const QString scores = QString("Score board: your cards %1, computer's %2, wins 0, losses 0")
                               .arg(CardsLeft(game(), 1))
                               .arg(CardsLeft(game(), 2));
    const QStringList expected = {"Your stock, empty",
                                  "Your waste: eight of spades, 3 cards",
                                  "Pile 1: ten of spades, nine of hearts",
                                  "Pile 2: ten of diamonds, 1 card face down",
                                  "Pile 3: ten of hearts, 2 cards face down",
                                  "Pile 4: empty",
                                  "Foundation 1: ace of clubs",
                                  "Foundation 2: two of hearts",
                                  "Foundation 3: empty",
                                  "Foundation 4: empty",
                                  "Computer's waste: seven of diamonds, 2 cards",
                                  scores,
                                  "It is your turn. Click the score board when finished."};
    EXPECT_EQ(names.mid(0, TableSpeaker::SaidIndex), expected);
    // Where each is: a reader's pointer finds the pile it names.
    const QRect pile2 = Table()->child(3)->rect();
    EXPECT_EQ(Table()->childAt(pile2.center().x(), pile2.center().y()), Table()->child(3));
    SetStock(game(), 1, {Card("6s"), Card("2h")});
    EXPECT_EQ(Table()->child(0)->text(QAccessible::Name), "Your stock, 2 cards");
}

TEST_F(TableAccessibility, TheKeyboardFocusIsTheAccessibleFocus)
{
    QTest::keyClick(table(), Qt::Key_Right); // the first key shows the focus where it is
    QTest::keyClick(table(), Qt::Key_Space); // a flip there: the focus stays, and nothing says it moved
    QTest::keyClick(table(), Qt::Key_Right);
    QTest::keyClick(table(), Qt::Key_Up);
    std::vector<int> focused;
    for (const Heard& h : events)
        if (h.type == QAccessible::Focus) focused.push_back(h.child);
    ASSERT_EQ(focused.size(), 3u);
    EXPECT_EQ(focused[0], 0); // the stock
    EXPECT_NE(focused[1], focused[0]);
    EXPECT_NE(focused[2], focused[1]);
    QAccessibleInterface* now = Table()->focusChild();
    ASSERT_NE(now, nullptr);
    EXPECT_EQ(Table()->indexOfChild(now), focused.back());
    EXPECT_TRUE(now->state().focused);
    EXPECT_EQ(now->text(QAccessible::Name), events.back().name);
}

// Up on a pile walks its run: the same place, told again with the card the run would start from.
TEST_F(TableAccessibility, WalkingARunAndAHintAreSaid)
{
    Craft("Ts 9h | [2d] Td | [3d 4d] Th | - ; Ac 2h ; Qh 7s 8s (3) ; Qc 7d");
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}) QTest::keyClick(table(), key); // stock, waste, pile 1
    events.clear();
    QTest::keyClick(table(), Qt::Key_Up);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.back().type, QAccessible::Focus);
    EXPECT_EQ(events.back().child, 2);
    EXPECT_EQ(Table()->child(2)->text(QAccessible::Description), "From the ten of spades");
    QTest::keyClick(table(), Qt::Key_Down);
    EXPECT_EQ(Table()->child(2)->text(QAccessible::Description), "");
    events.clear();
    QTest::keyClick(table(), Qt::Key_H);
    const QStringList said = Said();
    ASSERT_EQ(said.size(), 1);
    EXPECT_EQ(said[0], Table()->child(TableSpeaker::StatusIndex)->text(QAccessible::Name));
    EXPECT_EQ(said[0], window->aids().Overlay().line1 + " " + window->aids().Overlay().line2); // the hint's words
}

// The last card home: the end is said, and the notice on the table is the panel's words.
TEST_F(TableAccessibility, TheEndOfAGameIsSaidAndRead)
{
    Craft("- | - | - | - ; Qc Qd Kh Ks ; Kc ; Kd");
    Drag(Centre({PlaceKind::PlayerWaste}), Centre(FoundationAt(1)));
    ASSERT_TRUE(game().GameOver);
    EXPECT_EQ(Said().last(), "You won the game!");
    EXPECT_EQ(Table()->child(TableSpeaker::StatusIndex)->text(QAccessible::Name),
              QString("You won! Win: %1   Loss: 0 F2 deals a new game").arg(game().Wins));
}

TEST_F(TableAccessibility, MovesRefusalsAndTurnsAreSaidAsTheyAreShown)
{
    Craft("Ts 9h | [2d] Td | [3d 4d] Th | - ; Ac 2h ; Qh 7s 8s (3) ; Qc 7d");
    Drag(Centre({PlaceKind::PlayerWaste}), Centre(FoundationAt(3))); // no eight on an empty foundation
    Drag(Centre(PileAt(1)), Centre(PileAt(2)));                      // nor a red nine on a red ten
    EXPECT_EQ(Said(), (QStringList{"You pick up the eight of spades.", "The eight of spades cannot go there; it goes back.",
                                   "You pick up the nine of hearts.", "The nine of hearts cannot go there; it goes back."}));
    events.clear();
    Drag(Centre({PlaceKind::PlayerWaste}), Centre(PileAt(1)));
    EXPECT_EQ(Said(), (QStringList{"You pick up the eight of spades.", "You play the eight of spades onto the nine of hearts."}));
    events.clear();
    game().FlipsThisTurn = 1;
    Click(480, 250); // the score board ends the turn
    const QStringList turn = Said();
    ASSERT_GE(turn.size(), 3);
    EXPECT_EQ(turn.first(), "The computer's turn.");
    EXPECT_TRUE(turn[1].startsWith("The computer ")) << turn[1].toStdString();
    EXPECT_TRUE(turn.last() == "Your turn." || turn.last() == "The computer won the game.") << turn.last().toStdString();
}

} // namespace

namespace {

// Every control a player can reach in a window, with the name a screen reader says for it.
std::vector<std::pair<std::string, QString>> ControlNames(QWidget& window)
{
    window.show();
    std::vector<std::pair<std::string, QString>> names;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->focusPolicy() == Qt::NoFocus || !w->isVisibleTo(&window)) continue;
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        names.emplace_back(w->objectName().toStdString() + " " + w->metaObject()->className(),
                           a ? a->text(QAccessible::Name) : QString());
    }
    return names;
}

TEST_F(GuiTest, EveryControlOfEveryWindowHasANameToSay)
{
    MainWindow& w = Start();
    std::vector<std::unique_ptr<QDialog>> windows = OtherWindows();
    for (const auto& d : windows)
        for (const auto& [control, name] : ControlNames(*d)) EXPECT_FALSE(name.isEmpty()) << d->objectName().toStdString() << ": " << control;
    hands.push_back([&](QDialog& d) {
        for (const auto& [control, name] : ControlNames(d)) EXPECT_FALSE(name.isEmpty()) << "Game Settings: " << control;
        d.reject();
    });
    QTest::keyClick(&w, Qt::Key_F4);
    EXPECT_TRUE(hands.empty());
    windows.clear();
}

} // namespace
