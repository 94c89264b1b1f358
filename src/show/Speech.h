#pragma once
// The table in words, for a screen reader: what each place holds, and each
// move as it is made, in the player's language.
#include <string>

#include "engine/MoveValue.h"
#include "engine/Places.h"

namespace tandrel {

// "Your waste: seven of hearts, 3 cards", "Pile 2: ten of spades, nine of
// hearts, 2 cards face down", "Score board: your cards 21, ...".
std::string PlaceWords(const Game& g, const TablePlace& place);

// A move said before it is made, as it starts to show: "The computer plays the
// seven of hearts onto the eight of clubs.", "You flip a card."
std::string MoveWords(const Game& g, const Move& m);

// A card in hand: lifted, put back (Escape), refused where it was dropped.
std::string PickedUpWords(int card);
std::string PutBackWords(int card);
std::string RefusedWords(int card);
// The turn passing to a side, and the end of a game.
std::string TurnWords(int side);
std::string GameEndWords(int winner);

} // namespace tandrel
