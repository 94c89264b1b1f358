#pragma once
// A Standard MIDI File read through before the synthesiser sees it: the
// synthesiser parses a tune on the audio thread, and a looping tune it cannot
// parse makes it retry there for ever, holding the mixer's lock.
#include <string_view>

namespace tandrel {

// Every track present, every event whole, each track closed by its end
// marker, and the tune longer than no time at all.
bool IsPlayableMidi(std::string_view data);

} // namespace tandrel
