#include "app/SingleInstance.h"

#include <QSocketNotifier>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>

#include "store/StorePaths.h"

namespace tandrel {

namespace {

// How long a start waits for a copy that holds the lock to answer (it may be
// between taking the lock and listening).
constexpr auto AnswerWait = std::chrono::seconds(2);

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

// A folder only this user can enter.
bool IsPrivateFolder(const std::string& path)
{
    struct stat st {};
    return !path.empty() && path[0] == '/' && ::lstat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::geteuid() && (st.st_mode & 077) == 0;
}

std::string RuntimeFolder()
{
    if (const std::string xdg = Env("XDG_RUNTIME_DIR"); IsPrivateFolder(xdg)) return xdg;
    // Our own folder in /tmp; one made by someone else under that name is not used.
    const std::string own = "/tmp/tandrel-run-" + std::to_string(::geteuid());
    ::mkdir(own.c_str(), 0700);
    return IsPrivateFolder(own) ? own : std::string();
}

std::string Hex(std::uint64_t v)
{
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(v));
    return text;
}

std::uint64_t Fnv1a(const std::string& s)
{
    std::uint64_t h = 14695981039346656037ull;
    for (unsigned char c : s) h = (h ^ c) * 1099511628211ull;
    return h;
}

bool FillAddress(const std::string& path, sockaddr_un& addr)
{
    addr = {};
    addr.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof addr.sun_path) return false;
    std::memcpy(addr.sun_path, path.c_str(), path.size());
    return true;
}

// The process at the other end of a local socket runs as this user.
bool SameUser(int fd)
{
    ucred cred{};
    socklen_t len = sizeof cred;
    return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &cred, &len) == 0 && cred.uid == ::geteuid();
}

// A regular file of this user's own: a lock someone else made is not honoured.
int OpenLockFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK, 0600);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) {
        ::close(fd);
        return -1;
    }
    return fd;
}

} // namespace

std::string SingleInstance::DisplayName()
{
    if (std::string w = Env("WAYLAND_DISPLAY"); !w.empty()) return w;
    std::string x = Env("DISPLAY");
    const auto colon = x.rfind(':');
    if (colon != std::string::npos) {
        const auto dot = x.find('.', colon);
        if (dot != std::string::npos) x.erase(dot);
    }
    return x;
}

SingleInstance::Names SingleInstance::For(const std::string& settingsFolder)
{
    const std::string display = DisplayName();
    std::string folder = settingsFolder;
    if (char* real = ::realpath(settingsFolder.c_str(), nullptr)) {
        folder = real;
        std::free(real);
    }
    Names n;
    n.lockFile = folder + "/" + InstanceLockName;
    const std::string runtime = RuntimeFolder();
    if (!runtime.empty()) n.socketFile = runtime + "/tandrel-" + Hex(Fnv1a(display + '\n' + folder));
    return n;
}

SingleInstance::SingleInstance(Names names, QObject* parent)
    : QObject(parent), names_(std::move(names)), display_(DisplayName())
{
    if (display_.empty()) display_ = "none";
}

SingleInstance::~SingleInstance()
{
    StopListening();
    if (lockFd_ >= 0) ::close(lockFd_);
}

SingleInstance::Start SingleInstance::ActivatePrevInstance()
{
    lockFd_ = OpenLockFile(names_.lockFile);
    if (lockFd_ < 0 && !names_.socketFile.empty()) lockFd_ = OpenLockFile(names_.socketFile + ".lock");
    if (lockFd_ < 0) {
        // Nowhere to keep a lock: this copy runs, as it would without the rule.
        Listen();
        return Start::Run;
    }
    const auto deadline = std::chrono::steady_clock::now() + AnswerWait;
    for (;;) {
        if (::flock(lockFd_, LOCK_EX | LOCK_NB) == 0) {
            ClaimLock();
            Listen();
            return Start::Run;
        }
        // The holder writes its display just after taking the lock.
        runningDisplay_ = ReadHolder();
        if (!runningDisplay_.empty() && runningDisplay_ != display_) return Start::OtherDisplay;
        if (Knock()) return Start::Activated;
        if (std::chrono::steady_clock::now() > deadline) return Start::Unanswered;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// Says which display the game runs on, for starts elsewhere.
void SingleInstance::ClaimLock()
{
    const std::string line = display_ + "\n";
    if (::ftruncate(lockFd_, 0) == 0) {
        [[maybe_unused]] const ssize_t n = ::pwrite(lockFd_, line.data(), line.size(), 0);
    }
}

std::string SingleInstance::ReadHolder() const
{
    char text[256];
    const ssize_t n = ::pread(lockFd_, text, sizeof text - 1, 0);
    if (n <= 0) return {};
    const std::string line(text, static_cast<std::size_t>(n));
    const auto end = line.find('\n');
    if (end == std::string::npos) return {}; // not written whole yet
    return line.substr(0, end);
}

bool SingleInstance::Knock() const
{
    sockaddr_un addr;
    if (!FillAddress(names_.socketFile, addr)) return false;
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) return false;
    bool answered = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0 && SameUser(fd);
    if (answered) answered = ::send(fd, "activate\n", 9, MSG_NOSIGNAL) == 9;
    ::close(fd);
    return answered;
}

void SingleInstance::Listen()
{
    sockaddr_un addr;
    if (!FillAddress(names_.socketFile, addr)) return;
    // Holding the lock, whatever is at the name was left by a copy that is gone.
    ::unlink(names_.socketFile.c_str());
    serverFd_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (serverFd_ < 0) return;
    if (::bind(serverFd_, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 || ::listen(serverFd_, 16) != 0) {
        ::close(serverFd_);
        serverFd_ = -1;
        return;
    }
    notifier_ = new QSocketNotifier(serverFd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &SingleInstance::Accept);
}

void SingleInstance::Accept()
{
    bool asked = false;
    for (;;) {
        const int fd = ::accept4(serverFd_, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd < 0) break;
        // Only this user's own starts may bring the window forward.
        asked = SameUser(fd) || asked;
        ::close(fd);
    }
    if (asked) emit activationRequested();
}

void SingleInstance::StopListening()
{
    if (serverFd_ < 0) return;
    delete notifier_;
    notifier_ = nullptr;
    ::close(serverFd_);
    serverFd_ = -1;
    ::unlink(names_.socketFile.c_str());
}

} // namespace tandrel
