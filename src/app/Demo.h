#pragma once
// The Master plays both sides of a new deal for the player to watch. Any key
// or click ends it, and the game in progress comes back exactly as it was:
// nothing of the demo is counted or stored.
namespace tandrel {

struct Game;
struct MouseState;
class InputGate;
class PlayAids;
class ProgramExit;

// Runs as one action; returns once the player (or a close) has ended it.
void PlayDemo(Game& g, InputGate& gate, ProgramExit& exit, PlayAids& aids, const MouseState& mouse);

} // namespace tandrel
