#pragma once
// Consistency of a whole position: every card in exactly one place and every
// count, top and index agreeing with the arrays it describes. Used to vet a
// stored game before it is played, and by the self-play soak after every action.
#include <string>

#include "engine/Game.h"

namespace tandrel {

// Deck position of face-down card k (counted from the bottom) of pile p; 0 if none.
int FaceDownPosition(int pile, int k);

// True when the position is sound; otherwise false with the first fault in why.
bool CheckPosition(const Game& g, std::string* why = nullptr);

} // namespace tandrel
