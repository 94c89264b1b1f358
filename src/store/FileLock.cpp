#include "store/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace tandrel {

std::string FileLock::LockPathFor(const std::string& guarded)
{
    const std::size_t slash = guarded.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "." : guarded.substr(0, slash);
    const std::string name = slash == std::string::npos ? guarded : guarded.substr(slash + 1);
    return folder + "/." + name + ".lock";
}

FileLock::FileLock(const std::string& guarded, int waitMs)
{
    if (guarded.empty()) return;
    const std::string path = LockPathFor(guarded);
    // Never through a link, never waiting on a FIFO in its place.
    constexpr int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | flags, 0666);
    if (fd_ < 0) fd_ = ::open(path.c_str(), O_RDONLY | flags);
    if (fd_ < 0) return;
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || Clock::now() >= deadline) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

FileLock::~FileLock()
{
    if (fd_ >= 0) ::close(fd_); // closing lets the lock go
}

} // namespace tandrel
