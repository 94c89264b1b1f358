#pragma once
// How a move appears on the table when the rules or the computer chose it (the
// computer's moves, the player's right-click, flips and turn-ups): the cards
// are lifted from their source, slide and land, with the table buffer hiding
// the frames, then the card sound and the score board. Each function applies
// the move to the game and shows it; a refused move shows nothing.
#include "engine/Move.h"

namespace tandrel {

Applied PlayShown(Game& g, const Move& m);

// Repaints pile p on surface s after its top card left from oldY.
void RedrawPileTop(Game& g, int p, Surface s, int oldY);
// Draws on surface s the side's waste as it lies once its top card has left.
void DrawWasteUnderTop(Game& g, int side, Surface s);
// The drag image and the table buffer of the run from slot j of pile p lifted:
// returns the run picture's height (its shadow not included).
int LiftRunPicture(Game& g, int p, int j);

// The end of a game as the table tells it: the loser's cards laid out, the
// winner's sound, the panels.
void ShowGameEnd(Game& g, int winner);

} // namespace tandrel
