#pragma once
// The rules of moves: they list a side's moves (LegalMoves) and carry one out
// on the state (Apply); they draw nothing and ask nothing. The mouse, the keys, the
// right-click, the computer and the hint all speak in moves.
#include <optional>
#include <vector>

#include "engine/Game.h"
#include "engine/MoveValue.h"
#include "engine/UndoStep.h"

namespace tandrel {

// The sound a move makes; the card sounds take turns.
enum class MoveSound { None, Card, TurnOver };

// What an applied move did.
struct Applied {
    bool done = false;              // false: the rules refused it and nothing changed
    std::optional<UndoStep> undo;   // what takes it back, when it can be
    MoveSound sound = MoveSound::None;
    // A flip: the cards turned, in order (none when the waste was turned over),
    // the stock's count before it, and whether it ended a pass.
    int flipped[3] = {0, 0, 0};
    int flippedCount = 0;
    int stockLevelBefore = 0;
    bool passEnded = false;
    bool gameEnded = false;         // the side played out its hand: g.LastWinner is that side
};

// Every move the rules allow the side now. Apply accepts exactly these.
std::vector<Move> LegalMoves(const Game& g, int side);
// Whether the rules allow the move now.
bool IsLegal(const Game& g, const Move& m);
// Carries the move out on the state, or refuses it; decides the end of the game.
Applied Apply(Game& g, const Move& m);

// False while the card just flipped still lies on top of that side's waste.
bool FlipAllowed(const Game& g, int side);
inline bool WasteEmpty(const Game& g, int side) { return g.WasteCount(side) < 1; }
// Whether the side has neither stock nor waste left.
bool HandPlayedOut(const Game& g, int side);
// The side whose hand is played out; 0 while both hold cards (or before a deal, when neither does).
int Winner(const Game& g);

} // namespace tandrel
