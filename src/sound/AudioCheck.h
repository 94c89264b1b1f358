#pragma once
// Whether this machine has anything to play sound through, asked without
// loading an audio library: a sound server's socket, a sound card's playback
// device, or a driver named in SDL_AUDIODRIVER (SDL's dummy and disk drivers
// count). A machine without audio then loads none of the audio libraries,
// whose probing costs a start a tenth of a second and some megabytes.
#include <string>

namespace tandrel {

// devices: where the device files lie ("/dev"; a test names a folder of its own).
bool AudioOutputLikely(const std::string& devices = "/dev");

} // namespace tandrel
