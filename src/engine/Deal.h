#pragma once
// The deal: 24 preset deals for a new installation, then clock-seeded shuffles.
#include <array>
#include <cstdint>
#include <string>

#include "engine/Game.h"
#include "engine/Numbers.h"

namespace tandrel {

extern const std::array<const char*, 24> PresetDeals;

void DealGame(Game& g);
// Places the codes 2..53 in order, each into a random free Deck position, and
// writes DealString; DealGame seeds it from the clock.
void ShuffleDeck(Game& g, std::uint32_t seed);
// A new game on the state: the deal (a fresh one, or the last again), the
// tableau's first row by row, the rest into the two stocks.
void DealNewGame(Game& g, bool redeal);
// Each side's stock after a deal.
constexpr int DealtToEachSide = 21;
// The ten cards of the tableau in the order they are dealt: pile, row, face up.
struct DealtCard {
    int pile, row;
    bool faceUp;
};
extern const std::array<DealtCard, 10> DealOrder;
int FaceDownCard(const Game& g, int pile);
// Fills Deck from DealString without consuming it (Restart).
void DeckFromDealString(Game& g);

} // namespace tandrel
