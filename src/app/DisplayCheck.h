#pragma once
// Whether the toolkit will find a display, asked before it starts: without one
// it aborts with a message of its own that helps nobody.
#include <string>

namespace tandrel {

// Empty when a display answers (or the toolkit was told to use no real one);
// otherwise what is wrong, e.g. "DISPLAY is not set".
std::string DisplayProblem(int argc, char** argv);

} // namespace tandrel
