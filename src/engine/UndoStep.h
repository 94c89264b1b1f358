#pragma once
// What takes a move back: the kind of move and what it moved where. The game
// keeps the player's last one; the saved game writes it as a record of digits
// (store/UndoRecord.h).
namespace tandrel {

enum class UndoKind { Flip = 1, Stack = 2, WasteToPile = 3, ToFoundation = 4, FoundationToPile = 5, Load = 6 };

struct UndoStep {
    UndoKind kind = UndoKind::Flip;
    int fan = 0;            // Flip: the waste fan before the flip
    int from = 0;           // Stack: the pile the run left; ToFoundation: 0 the waste, else the pile
    int fromY = 0;          // Stack: that pile's top y before the move
    int first = 0;          // Stack: the run's first slot there
    int to = 0;             // Stack, WasteToPile, FoundationToPile: the pile that took the cards
    int toY = 0;            // Stack: that pile's top y before the move
    int received = 0;       // Stack: the slot the run began at there
    int card = 0;           // WasteToPile: the card played
    int foundation = 0;     // ToFoundation, FoundationToPile

    bool operator==(const UndoStep&) const = default;
};

} // namespace tandrel
