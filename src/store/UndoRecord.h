#pragma once
// The undo step as the saved game keeps it: one line of digits, a kind digit
// followed by fixed-width fields.
#include <optional>
#include <string>

#include "engine/UndoStep.h"

namespace tandrel {

struct Game;

// The step as its record.
std::string RecordOf(const UndoStep& s);
// The record's step, or nothing when it has no kind's exact shape or a pile,
// slot or foundation out of range.
std::optional<UndoStep> ParseUndoRecord(const std::string& record);

// Whether g's step may be taken back on g's table: a waste card played to a
// pile is still that pile's top, and taking it back on a copy leaves a sound
// position. A restored game keeps its step only then.
bool UndoFits(const Game& g);

} // namespace tandrel
