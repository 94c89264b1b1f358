#pragma once
// Work the start hands to a second core while the toolkit connects to the
// display: none of it needs the toolkit, and all of it would otherwise lie on
// the path to the first picture.
#include <thread>

namespace tandrel {

class StartAhead {
public:
    StartAhead();
    ~StartAhead();
    StartAhead(const StartAhead&) = delete;
    StartAhead& operator=(const StartAhead&) = delete;

    // Returns once the work is done; the first text the program measures
    // comes after this.
    void Wait();

private:
    std::thread worker_;
};

// Reads the system's font configuration, once for the whole process, if the
// toolkit uses that library; the toolkit's own first font then finds it read.
// False when there was none to read.
bool LoadFontConfiguration();

} // namespace tandrel
