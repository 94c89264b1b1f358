#pragma once
// The computer's turn as the table shows it: its moves one by one with the
// watcher's pauses between them; and the table's pauses and notices.
#include <functional>
#include <string>

#include "engine/Game.h"

namespace tandrel {

// stopped, when given, is asked after each step: true ends the turn there.
void ComputerTurn(Game& g, int side, const std::function<bool()>& stopped = {});
// Keeps the window painting, drops input.
void Pause(Game& g, int ms);
// PlaySpeed + 250, the pause between the computer's moves.
void ComputerPause(Game& g);
void ShowInfo(Game& g, const std::string& text);

} // namespace tandrel
