#pragma once
// The undo record: the player's last move as one line of digits, a kind digit
// followed by fixed-width fields. Every move writes it through the builders
// here; undo and the saved-game reader read it through ParseUndoRecord.
#include <optional>
#include <string>

namespace tandrel {

struct Game;

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
};

std::string FlipRecord(int fanBefore);
std::string StackRecord(int from, int fromY, int first, int to, int toY, int received);
std::string WasteToPileRecord(int pile, int card);
std::string ToFoundationRecord(int from, int foundation);
std::string FoundationToPileRecord(int foundation, int pile);
std::string LoadRecord();
// The step as its record.
std::string RecordOf(const UndoStep& s);

// The record's kind and fields, or nothing when it has no kind's exact shape
// or a pile, slot or foundation out of range.
std::optional<UndoStep> ParseUndoRecord(const std::string& record);

// Whether g's record may be taken back on g's table: it parses, a waste card
// played to a pile is still that pile's top, and taking it back on a copy
// leaves a sound position. A saved game keeps its record only then.
bool UndoRecordFits(const Game& g);

} // namespace tandrel
