#pragma once
// Flipping from the stock, turning up tableau cards, ending turns, the end of
// a game and the pause between the computer's actions.
#include "engine/Move.h"

namespace tandrel {

// Turns up pile p's waiting face-down card.
void TurnUpPile(Game& g, int p);
bool CheckGameOver(Game& g, int side);
void Pause(Game& g, int ms);
// PlaySpeed + 250, the pause between the computer's moves.
void ComputerPause(Game& g);
void ShowInfo(Game& g, const std::string& text);

} // namespace tandrel
