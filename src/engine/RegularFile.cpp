#include "engine/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace tandrel {

FileRead ReadRegularFile(const std::string& path, std::string& bytes, std::size_t limit)
{
    bytes.clear();
    if (path.empty()) return FileRead::Missing;
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return errno == ENOENT || errno == ENOTDIR || errno == ELOOP ? FileRead::Missing : FileRead::Failed;
    struct stat st {};
    FileRead result = FileRead::Read;
    if (::fstat(fd, &st) != 0)
        result = FileRead::Failed;
    else if (!S_ISREG(st.st_mode))
        result = FileRead::NotRegular;
    else if (static_cast<unsigned long long>(st.st_size) > limit)
        result = FileRead::TooLarge;
    char buffer[65536];
    while (result == FileRead::Read) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || bytes.size() + static_cast<std::size_t>(n) > limit) {
            result = n < 0 ? FileRead::Failed : FileRead::TooLarge;
            break;
        }
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    if (result != FileRead::Read) bytes.clear();
    return result;
}

} // namespace tandrel
