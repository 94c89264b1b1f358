#include "opponent/Master.h"

#include <algorithm>
#include <exception>

#include "engine/TurnRules.h"
#include "opponent/ComputerPlan.h"
#include "opponent/Playout.h"
#include "opponent/Unseen.h"

namespace tandrel {

namespace {

// A turn longer than this is cut short: the cycle guard should end it long before.
constexpr int MaxMovesInTurn = 400;

struct Choice {
    std::optional<Move> move; // none: end the turn
    long total = 0;
};

// A copy to play on: none of the game's names, files, hooks or screen, only the table and its rules.
Game TableOnly(const Game& g)
{
    Game t(NoScreen());
    Game& c = t;
    c.Stock = g.Stock, c.Waste = g.Waste, c.StockPos = g.StockPos, c.StockLevel = g.StockLevel;
    c.StockEmpty = g.StockEmpty, c.StockPasses = g.StockPasses, c.WasteCount = g.WasteCount;
    c.WasteFan = g.WasteFan, c.Foundation = g.Foundation, c.Tableau = g.Tableau;
    c.TableauFaceDown = g.TableauFaceDown, c.Deck = g.Deck;
    c.FlippedCard = g.FlippedCard, c.FlipsThisTurn = g.FlipsThisTurn, c.GameOver = g.GameOver;
    c.cfg.FlipNum = g.cfg.FlipNum;
    c.KeepsHistory = false;
    return t;
}

// The Expert's next step in this turn, had it played the turn so far; none: it would end it.
std::optional<Move> ExpertsNext(const Game& g, int side)
{
    Game expert = TableOnly(g);
    expert.cfg.ComputerLevel = Level::Expert;
    ComputerPlan plan(expert, plan::Turn(expert, side));
    while (const std::optional<ComputerStep> step = plan.Next())
        if (step->kind == ComputerStep::Kind::Move) return step->move;
    return std::nullopt;
}

// The option that plays as the Expert would, when it is one of them.
const Choice* ExpertsChoice(const Game& g, int side, const std::vector<Choice>& options)
{
    const std::optional<Move> expert = ExpertsNext(g, side);
    for (const Choice& c : options)
        if (c.move == expert) return &c;
    return nullptr;
}

// The options: every legal move but those that come back to a position of this
// turn (or flip round the hand again for nothing), then a flip, then ending the
// turn; on a tie the first wins, so a card is played before the stock is flipped.
std::vector<Choice> Options(const Game& g, int side, const MasterTurn& turn)
{
    std::vector<Choice> options;
    bool flip = false;
    const Game table = TableOnly(g);
    for (const Move& m : LegalMoves(g, side)) {
        if (m.kind == MoveKind::Flip) {
            flip = turn.MayFlip();
            continue;
        }
        Game after = table; // a move other than a flip shows nothing hidden
        Apply(after, m);
        if (!turn.Seen(VisibleKey(after))) options.push_back({m});
    }
    if (flip) options.push_back({FlipMove(side)});
    if (MasterMayEndTurn(g, side, turn.Flipped())) options.push_back({std::nullopt});
    return options;
}

int SafePlayOut(Game& sim, int side, const std::optional<Move>& move, int turns)
{
    try {
        return PlayOut(sim, side, move, turns);
    } catch (const std::exception&) {
        return -2 * WinScore; // a position the rules cannot play on is no choice
    }
}

void Weigh(const Game& g, int side, std::vector<Choice>& options, const MasterBudget& budget)
{
    const Game table = TableOnly(g);
    const std::uint64_t key = VisibleKey(g) ^ (budget.seed * 0x9E3779B97F4A7C15ull) ^ static_cast<std::uint64_t>(side);
    SplitMix seeds{key};
    for (int d = 0; d < budget.deals; ++d) {
        Game dealt = table;
        DealUnseen(dealt, seeds.Next()); // the same deals for every option, so they are compared fairly
        for (Choice& c : options) {
            Game sim = dealt;
            c.total += SafePlayOut(sim, side, c.move, budget.turns);
        }
    }
}

std::optional<Move> WaitingCard(const Game& g, int side)
{
    for (int p = 1; p <= PileCount; ++p)
        if (IsLegal(g, TurnUpMove(side, p))) return TurnUpMove(side, p);
    return std::nullopt;
}

} // namespace

MasterBudget& MasterPlayBudget()
{
    static MasterBudget budget;
    return budget;
}

MasterBudget MasterHintBudget() { return MasterBudget{}; }

bool MasterMayEndTurn(const Game& g, int side, bool flipped)
{
    const bool flippedEnough = flipped || WasteEmpty(g, side) || CardsLeft(g, side) <= 1;
    return flippedEnough && MayStartTurn(g, OtherSide(side));
}

MasterTurn::MasterTurn(const Game& g, int side)
    : side_(side), seen_{VisibleKey(g)}, flipped_(side == 1 && g.FlipsThisTurn > 0), handAtLast_(CardsLeft(g, side))
{
    // Round the whole hand once: every card flipped, and the waste turned over.
    const int flipNum = std::clamp(g.cfg.FlipNum, 1, 3);
    roundFlips_ = (handAtLast_ + flipNum - 1) / flipNum + 1;
}

void MasterTurn::After(const Game& g, const Move& m)
{
    ++moves_;
    seen_.push_back(VisibleKey(g));
    const int hand = CardsLeft(g, side_);
    if (hand < handAtLast_) flipsInRound_ = 0;
    handAtLast_ = hand;
    if (m.kind != MoveKind::Flip) return;
    ++flipsInRound_;
    flipped_ = flipped_ || !WasteEmpty(g, side_);
}

bool MasterTurn::Seen(std::uint64_t key) const { return std::find(seen_.begin(), seen_.end(), key) != seen_.end(); }

bool MasterTurn::MayFlip() const { return flipsInRound_ < roundFlips_; }

std::optional<Move> ChooseMasterMove(const Game& g, int side, const MasterTurn& turn, const MasterBudget& budget)
{
    if (g.GameOver || turn.moves() >= MaxMovesInTurn) return std::nullopt;
    if (auto up = WaitingCard(g, side)) return up; // a card turned up only tells more
    std::vector<Choice> options = Options(g, side, turn);
    if (options.empty()) return std::nullopt;
    if (options.size() == 1) return options.front().move;
    Weigh(g, side, options, budget);
    const auto best = std::max_element(options.begin(), options.end(),
                                       [](const Choice& a, const Choice& b) { return a.total < b.total; });
    // The Expert's own move stands unless another did clearly better over the same deals.
    const Choice* expert = ExpertsChoice(g, side, options);
    const double margin = budget.deals * budget.margin;
    if (expert && double(best->total) <= double(expert->total) + margin) return expert->move;
    return best->move;
}

std::optional<Move> NextMasterMove(const Game& g, int side, const MasterBudget& budget)
{
    return ChooseMasterMove(g, side, MasterTurn(g, side), budget);
}

namespace plan {

Steps MasterTurn(const Game& g, int side)
{
    for (int p = 1; p <= PileCount; ++p)
        if (IsLegal(g, TurnUpMove(side, p))) co_yield TurnUpMove(side, p);
    co_yield Pause;
    tandrel::MasterTurn turn(g, side);
    while (const std::optional<Move> move = ChooseMasterMove(g, side, turn, MasterPlayBudget())) {
        co_yield *move;
        turn.After(g, *move);
        co_yield Pause;
    }
    co_return false;
}

} // namespace plan

} // namespace tandrel
