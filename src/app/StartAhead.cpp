#include "app/StartAhead.h"

#include <dlfcn.h>
#include <system_error>

namespace tandrel {

bool LoadFontConfiguration()
{
    // Only a library the program already has: the toolkit's font backend.
    void* library = dlopen("libfontconfig.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (!library) return false;
    // The configuration is the process's own, made once under an atomic
    // exchange: a toolkit thread asking at the same moment is safe.
    using Init = int (*)();
    const auto init = reinterpret_cast<Init>(dlsym(library, "FcInit"));
    const bool read = init && init();
    dlclose(library);
    return read;
}

StartAhead::StartAhead()
{
    try {
        worker_ = std::thread([] { LoadFontConfiguration(); });
    } catch (const std::system_error&) {
        // No thread to be had: the toolkit reads the configuration itself.
    }
}

StartAhead::~StartAhead() { Wait(); }

void StartAhead::Wait()
{
    if (worker_.joinable()) worker_.join();
}

} // namespace tandrel
