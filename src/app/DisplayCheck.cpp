#include "app/DisplayCheck.h"

#include <QString>
#include <QtGlobal>
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

namespace {

std::string Env(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

// Whether something listens on a local socket; abstract: in Linux's abstract
// namespace rather than the file system.
bool SocketAnswers(const std::string& name, bool abstract = false)
{
    sockaddr_un addr{};
    const std::size_t at = abstract ? 1 : 0;
    if (name.empty() || at + name.size() >= sizeof addr.sun_path) return false;
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path + at, name.c_str(), name.size());
    const auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + at + name.size() + (abstract ? 0 : 1));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool ok = ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), size) == 0;
    ::close(fd);
    return ok;
}

bool WaylandAnswers()
{
    std::string name = Env("WAYLAND_DISPLAY");
    if (name.empty()) return false;
    if (name[0] != '/') {
        const std::string runtime = Env("XDG_RUNTIME_DIR");
        if (runtime.empty()) return false;
        name = runtime + "/" + name;
    }
    return SocketAnswers(name);
}

// The display number of a display on this machine (":0", ":1.0", "unix:0");
// -1 for any other (a remote one, or a name this does not know).
int LocalDisplayNumber(const std::string& display)
{
    const std::size_t colon = display.find(':');
    if (colon == std::string::npos || (colon != 0 && display.compare(0, colon, "unix") != 0)) return -1;
    int number = 0;
    std::size_t i = colon + 1;
    if (i == display.size() || display[i] < '0' || display[i] > '9') return -1;
    for (; i < display.size() && display[i] >= '0' && display[i] <= '9' && number < 100000; ++i)
        number = number * 10 + (display[i] - '0');
    return i == display.size() || display[i] == '.' ? number : -1;
}

// A local X server is asked by connecting to its socket only: a whole X
// connection made and dropped before the toolkit's own costs the start a
// millisecond, and the last client leaving makes a bare server start over.
// Any other is asked through the library the toolkit would use; when that
// library cannot be loaded the toolkit is left to find out.
bool XAnswers(const std::string& display)
{
    if (const int number = LocalDisplayNumber(display); number >= 0) {
        const std::string socket = "/tmp/.X11-unix/X" + std::to_string(number);
        return SocketAnswers(socket, true) || SocketAnswers(socket);
    }
    void* xcb = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb) return true;
    using Connect = void* (*)(const char*, int*);
    using HasError = int (*)(void*);
    using Disconnect = void (*)(void*);
    const auto connect = reinterpret_cast<Connect>(::dlsym(xcb, "xcb_connect"));
    const auto hasError = reinterpret_cast<HasError>(::dlsym(xcb, "xcb_connection_has_error"));
    const auto disconnect = reinterpret_cast<Disconnect>(::dlsym(xcb, "xcb_disconnect"));
    bool ok = true;
    if (connect && hasError && disconnect) {
        void* c = connect(nullptr, nullptr);
        ok = c && hasError(c) == 0;
        if (c) disconnect(c);
    }
    ::dlclose(xcb);
    return ok;
}

QtMessageHandler passOn = nullptr;

struct KeptMessage {
    QtMsgType type;
    QString text;
};
std::vector<KeptMessage> keptMessages;

void KeepStartMessage(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type != QtFatalMsg) {
        keptMessages.push_back({type, text});
        return;
    }
    // The first thing said is the cause ("could not connect to display ..."),
    // the fatal message only the toolkit's conclusion.
    const QString& cause = keptMessages.empty() ? text : keptMessages.front().text;
    TellNoDisplay(cause.section('\n', 0, 0).trimmed().toStdString());
    std::_Exit(1);
}

} // namespace

void TellNoDisplay(const std::string& problem)
{
    std::fprintf(stderr, "Tandrel needs a graphical display; none could be opened (%s).\n", problem.c_str());
}

StartErrors::StartErrors()
{
    keptMessages.clear();
    passOn = qInstallMessageHandler(KeepStartMessage);
}

StartErrors::~StartErrors()
{
    qInstallMessageHandler(passOn);
    const QMessageLogContext none;
    for (const KeptMessage& m : keptMessages) qt_message_output(m.type, none, m.text);
    keptMessages.clear();
}

std::string DisplayProblem(int argc, char** argv)
{
    std::string platform = Env("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (std::string_view(argv[i]) == "-platform") platform = argv[i + 1];
    // Offscreen, VNC, a framebuffer: nothing to connect to here.
    if (!platform.empty() && platform.find("xcb") == std::string::npos &&
        platform.find("wayland") == std::string::npos)
        return {};
    if (WaylandAnswers()) return {};
    const std::string display = Env("DISPLAY");
    if (display.empty()) return "DISPLAY is not set";
    if (!XAnswers(display)) return "no X server answers at DISPLAY " + display;
    return {};
}

} // namespace tandrel
