#pragma once
// The computer's turn as the table shows it: its moves one by one with the
// watcher's pauses between them; and the table's pauses and notices.
#include <string>

#include "engine/Game.h"

namespace tandrel {

void ComputerTurn(Game& g, int side);
// Keeps the window painting, drops input.
void Pause(Game& g, int ms);
// PlaySpeed + 250, the pause between the computer's moves.
void ComputerPause(Game& g);
void ShowInfo(Game& g, const std::string& text);

} // namespace tandrel
