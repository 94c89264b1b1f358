#pragma once
// A move of the player's said in words, for the hint in the status panel: two
// lines that read as one sentence.
#include <string>

#include "engine/Move.h"

namespace tandrel {

struct HintLines {
    std::string first, second;
    std::string Sentence() const { return first + " " + second; }
};

// Foundation f's top card, 0 while it is empty (the hint's words and the screen reader's).
int FoundationCard(const Game& g, int f);
// "seven of hearts"; empty for anything that is not a card.
std::string CardName(int card);
// The move as the player would make it, from the game before it is made.
HintLines HintWords(const Game& g, const Move& m);

} // namespace tandrel
