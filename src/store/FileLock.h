#pragma once
// A short exclusive hold on a file while it is read, changed and written back,
// so that two writers (two copies of the program) take turns. The lock is a
// small file of its own beside the guarded one, ".<name>.lock": the guarded
// file is replaced by every write, so it cannot carry a lock itself.
#include <string>

namespace tandrel {

class FileLock {
public:
    // Waits at most waitMs for another writer; without the lock (it is still
    // held, or the folder cannot hold a lock file) the write goes ahead all the
    // same, since losing it would be worse than an unlikely race.
    explicit FileLock(const std::string& guarded, int waitMs = 2000);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return held_; }

    static std::string LockPathFor(const std::string& guarded);

private:
    int fd_ = -1;
    bool held_ = false;
};

} // namespace tandrel
