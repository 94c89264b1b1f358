#include "store/UndoRecord.h"

#include <exception>

#include "engine/Game.h"
#include "engine/Numbers.h"
#include "engine/Position.h"
#include "engine/Undo.h"

namespace tandrel {

namespace {

std::string Kind(UndoKind k) { return std::string(1, static_cast<char>('0' + static_cast<int>(k))); }

bool Between(int v, int lo, int hi) { return v >= lo && v <= hi; }

// The record's fields in order, each cut off its front at its width.
struct Fields {
    std::string rest;
    int Take(int width) { return TakeNumber(rest, width); }
};

} // namespace

std::string RecordOf(const UndoStep& s)
{
    const std::string kind = Kind(s.kind);
    switch (s.kind) {
    case UndoKind::Flip: return kind + Digits(s.fan, 1);
    case UndoKind::Stack:
        return kind + Digits(s.from, 2) + Digits(s.fromY, 3) + Digits(s.first, 2) + Digits(s.to, 2) + Digits(s.toY, 3) +
               Digits(s.received, 2);
    case UndoKind::WasteToPile: return kind + Digits(s.to, 1) + Digits(s.card, 2);
    case UndoKind::ToFoundation: return kind + Digits(s.from, 1) + Digits(s.foundation, 1);
    case UndoKind::FoundationToPile: return kind + Digits(s.foundation, 2) + Digits(s.to, 2);
    case UndoKind::Load: return kind;
    }
    return {};
}

std::optional<UndoStep> ParseUndoRecord(const std::string& record)
{
    if (record.empty()) return std::nullopt;
    for (char c : record)
        if (c < '0' || c > '9') return std::nullopt;
    static constexpr std::size_t length[] = {0, 2, 15, 4, 3, 5, 1};
    const int kind = record[0] - '0';
    if (kind < 1 || kind > 6 || record.size() != length[kind]) return std::nullopt;

    UndoStep s;
    s.kind = static_cast<UndoKind>(kind);
    Fields f{record.substr(1)};
    switch (s.kind) {
    case UndoKind::Flip:
        s.fan = f.Take(1);
        return s.fan <= 3 ? std::optional(s) : std::nullopt;
    case UndoKind::Stack:
        s.from = f.Take(2), s.fromY = f.Take(3), s.first = f.Take(2);
        s.to = f.Take(2), s.toY = f.Take(3), s.received = f.Take(2);
        if (!Between(s.from, 1, PileCount) || !Between(s.first, 1, PileSlots) || !Between(s.to, 1, PileCount) ||
            !Between(s.received, 1, PileSlots))
            return std::nullopt;
        return s;
    case UndoKind::WasteToPile:
        s.to = f.Take(1), s.card = f.Take(2);
        return Between(s.to, 1, PileCount) ? std::optional(s) : std::nullopt;
    case UndoKind::ToFoundation:
        s.from = f.Take(1), s.foundation = f.Take(1);
        return s.from <= PileCount && Between(s.foundation, 1, FoundationCount) ? std::optional(s) : std::nullopt;
    case UndoKind::FoundationToPile:
        s.foundation = f.Take(2), s.to = f.Take(2);
        return Between(s.foundation, 1, FoundationCount) && Between(s.to, 1, PileCount) ? std::optional(s) : std::nullopt;
    case UndoKind::Load:
        return s;
    }
    return std::nullopt;
}

bool UndoFits(const Game& g)
{
    if (!g.Undo) return true;
    const UndoStep& step = *g.Undo;
    if (step.kind == UndoKind::WasteToPile && PileTop(g, step.to) != step.card) return false;
    // A damaged record would otherwise be played on the real table: try it on a copy.
    Game trial = g;
    try {
        UndoMove(trial);
    } catch (const std::exception&) {
        return false;
    }
    return CheckPosition(trial);
}

} // namespace tandrel
