#pragma once
// A new game as the table shows it: the bare table and panels, the tableau
// dealt card by card from the corner, the stocks; after a lost game the
// computer opens.
#include "engine/Game.h"

namespace tandrel {

void NewGame(Game& g, bool redeal);

} // namespace tandrel
