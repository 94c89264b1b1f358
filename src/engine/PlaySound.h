#pragma once
#include "engine/Game.h"

namespace tandrel {

// Plays sound slot index; 4..9 ask for the next sound of the card rotation.
void PlaySound(Game& g, int index);
inline void PlayCardSound(Game& g) { PlaySound(g, g.CardSoundIndex); }

} // namespace tandrel
