#pragma once
// A move as a value: what moves, from where, to where, for which side. The
// rules (engine/Move.h) list and apply them; the game keeps the player's.
namespace tandrel {

enum class MoveKind : unsigned char {
    Flip,              // side's stock onto its waste, or the waste turned over
    TurnUp,            // pile `from`'s waiting back turned face up
    WasteToPile,       // side's waste top onto pile `to`
    WasteToFoundation, // side's waste top onto foundation `to`
    Load,              // side's waste top onto the other side's waste
    PileToFoundation,  // pile `from`'s top card onto foundation `to`
    RunToPile,         // pile `from`'s cards from slot `slot` up onto pile `to`
    FoundationToPile,  // foundation `from`'s top card onto pile `to`
};

struct Move {
    MoveKind kind = MoveKind::Flip;
    int side = 1;
    int from = 0; // a pile or a foundation, by kind
    int slot = 0; // RunToPile: the run's first slot
    int to = 0;   // a pile or a foundation, by kind
    int card = 0; // the card that moves (a run's first); 0 for a flip or a turn-up

    bool operator==(const Move&) const = default;
};

inline Move FlipMove(int side) { return {MoveKind::Flip, side}; }
inline Move TurnUpMove(int side, int pile) { return {MoveKind::TurnUp, side, pile}; }

} // namespace tandrel
