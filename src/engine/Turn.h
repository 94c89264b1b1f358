#pragma once
// Flipping from the stock, turning up tableau cards, ending turns, the end of
// a game and the pause between the computer's actions.
#include "engine/Game.h"

namespace tandrel {

// False while the card just flipped still lies on top of that side's waste.
bool FlipAllowed(const Game& g, int side);
void FlipCards(Game& g, int side);
// Turns up pile p's waiting face-down card.
void TurnUpPile(Game& g, int p);
// The same when the point lies on that card.
void TurnUpCard(Game& g, float x, float y, int pile);
bool CheckGameOver(Game& g, int side);
// The side whose hand is played out; 0 while both hold cards (or before a deal, when neither does).
int Winner(const Game& g);
// The score-board press: refuse with "You must flip a card." or hand over.
void EndPlayerTurn(Game& g);
void ComputerTurn(Game& g, int side);
void Pause(Game& g, int ms);
// PlaySpeed + 250, the pause between the computer's moves.
void ComputerPause(Game& g);
void ShowInfo(Game& g, const std::string& text);

} // namespace tandrel
