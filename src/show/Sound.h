#pragma once
// The game's sounds by slot: 0 won, 1 lost, 2 the waste turned over, 4..9 the
// card sounds, which take turns.
#include "engine/Game.h"

namespace tandrel {

// Plays sound slot index; 4..9 ask for the next sound of the card rotation.
void PlaySound(Game& g, int index);
inline void PlayCardSound(Game& g) { PlaySound(g, g.CardSoundIndex); }

} // namespace tandrel
