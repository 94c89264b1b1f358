#pragma once
// Whether the toolkit will find a display, asked before it starts: without one
// it aborts with a message of its own that helps nobody.
#include <string>

namespace tandrel {

// Empty when a display answers (or the toolkit was told to use no real one);
// otherwise what is wrong, e.g. "DISPLAY is not set".
std::string DisplayProblem(int argc, char** argv);

// The one line a start without a display ends with, on standard error.
void TellNoDisplay(const std::string& problem);

// Held while the toolkit connects to the display: a display that answered the
// check and then went away, or a platform that cannot start, makes the toolkit
// give up with a fatal message and an abort. That ends as the check does, with
// one line and status 1. Its other messages are kept until the end and passed on.
class StartErrors {
public:
    StartErrors();
    ~StartErrors();
    StartErrors(const StartErrors&) = delete;
    StartErrors& operator=(const StartErrors&) = delete;
};

} // namespace tandrel
