#pragma once
// Damaged settings files and game records thrown at the store: each case
// mutates a good file (cut short, digits changed, bytes flipped, lines
// doubled, dropped or swapped, stray brackets and line breaks), then loads,
// restores, saves and switches players on it, and checks that nothing throws,
// every loaded value is in range, every restored table is sound, and what we
// wrote reads back exactly.
#include <cstdint>
#include <iosfwd>

namespace tandrel {

struct FuzzSummary {
    int cases = 0;
    int restored = 0;    // stored games that came back
    int newGames = 0;    // damaged or missing records that gave a new deal
    int failures = 0;    // broken properties: must be 0
};

// Runs cases first .. first + count - 1; each case is fixed by its number.
// Failures are described on report.
FuzzSummary FuzzStore(int count, std::uint32_t first, std::ostream& report);

} // namespace tandrel
