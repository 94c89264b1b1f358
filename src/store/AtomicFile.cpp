#include "store/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <dirent.h>
#include <signal.h>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "engine/RegularFile.h"

namespace tandrel {

namespace {

bool WriteAll(int fd, const std::string& content)
{
    const char* p = content.data();
    std::size_t left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, left);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    return true;
}

// Creates a new file beside path whose name no other writer is using.
int OpenTemporary(const std::string& path, std::string& temp)
{
    static std::atomic<unsigned> counter{0};
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = path + TemporaryMark + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

std::string FolderOf(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// What a write of link replaces: nothing yet there, a regular file the user
// may write, or through a link the regular file it leads to (the link stays).
// A dangling link, a read-only file and anything that is not a regular file
// (a FIFO, a device, a folder) are left alone. mode: the old file's, or -1.
bool WriteTarget(const std::string& link, std::string& path, int& mode)
{
    path = link;
    mode = -1;
    struct stat st {};
    if (::lstat(link.c_str(), &st) != 0) return errno == ENOENT;
    if (S_ISLNK(st.st_mode)) {
        char* real = ::realpath(link.c_str(), nullptr);
        if (!real || ::lstat(real, &st) != 0) {
            std::free(real);
            return false;
        }
        path = real;
        std::free(real);
    }
    if (!S_ISREG(st.st_mode)) return false;
    // The permission bits decide, for root too: a file made read-only stays as it is.
    if ((st.st_mode & 0222) == 0 || ::access(path.c_str(), W_OK) != 0) return false;
    mode = static_cast<int>(st.st_mode & 07777);
    return true;
}

// name is "<file>.tmp<pid>-<n>": the pid of the writer, when it has one.
pid_t TemporaryWriter(const std::string& name)
{
    const std::size_t mark = name.rfind(TemporaryMark);
    if (mark == std::string::npos || mark == 0) return 0;
    const std::size_t digits = mark + std::string_view(TemporaryMark).size();
    const std::size_t dash = name.find('-', digits);
    if (dash == std::string::npos || dash == digits || dash + 1 == name.size()) return 0;
    if (name.find_first_not_of("0123456789", digits) != dash) return 0;
    if (name.find_first_not_of("0123456789", dash + 1) != std::string::npos) return 0;
    const long pid = std::strtol(name.c_str() + digits, nullptr, 10);
    return pid > 0 && dash - digits <= 9 ? static_cast<pid_t>(pid) : 0;
}

} // namespace

bool WriteFileAtomically(const std::string& link, const std::string& content)
{
    if (link.empty()) return false;
    std::string path;
    int mode = -1;
    if (!WriteTarget(link, path, mode)) return false;
    std::string temp;
    const int fd = OpenTemporary(path, temp);
    if (fd < 0) return false;
    // A rewritten file keeps its permissions; a new one gets the umask's.
    if (mode >= 0) ::fchmod(fd, static_cast<mode_t>(mode));
    bool ok = WriteAll(fd, content) && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        return false;
    }
    // Make the rename itself durable; a failure here does not undo the write.
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

ReadStatus ReadWholeFile(const std::string& path, std::string& content)
{
    switch (ReadRegularFile(path, content)) {
    case FileRead::Read: return ReadStatus::Read;
    case FileRead::Missing: return ReadStatus::Missing;
    default: return ReadStatus::Failed; // there, but not a file we can take as ours
    }
}

int RemoveStaleTemporaries(const std::string& folder)
{
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return 0;
    int removed = 0;
    while (const dirent* e = ::readdir(dir)) {
        const std::string name = e->d_name;
        const pid_t writer = TemporaryWriter(name);
        // A writer still alive (another copy on another display) is not disturbed.
        if (writer == 0 || writer == ::getpid() || ::kill(writer, 0) == 0 || errno != ESRCH) continue;
        struct stat st {};
        const std::string path = folder + "/" + name;
        if (::lstat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_uid == ::geteuid() &&
            ::unlink(path.c_str()) == 0)
            ++removed;
    }
    ::closedir(dir);
    return removed;
}

} // namespace tandrel
