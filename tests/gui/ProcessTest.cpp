// The real program as separate processes: many starts at once, a second
// display, installed copies, a copy killed and started again, the exit
// signals, no display, a window destroyed and a display lost.
#include <dlfcn.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "app/DisplayCheck.h"
#include "app/StartAhead.h"
#include "store/Profile.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int Running = -1;

class ProgramProcesses : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        dir = folder.path().toStdString();
        // The program in a folder of its own, which then holds its settings.
        std::error_code ec;
        fs::create_hard_link(TANDREL_PROGRAM, dir + "/tandrel", ec);
        if (ec) fs::copy_file(TANDREL_PROGRAM, dir + "/tandrel", ec);
        ASSERT_FALSE(ec) << ec.message();
        runtime = dir + "/run";
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
    }
    void TearDown() override
    {
        for (pid_t p : started) {
            ::kill(p, SIGKILL);
            ::waitpid(p, nullptr, 0);
        }
    }

    // Starts path; its standard error goes to errors.
    // A given pass becomes the child's descriptor 3.
    pid_t Spawn(const std::string& path, std::vector<std::string> args, std::vector<std::string> env,
                const std::string& errors = "/dev/null", int pass = -1)
    {
        std::vector<char*> argv, envp;
        for (auto& a : args) argv.push_back(a.data());
        for (auto& e : env) envp.push_back(e.data());
        argv.push_back(nullptr);
        envp.push_back(nullptr);
        posix_spawn_file_actions_t files;
        posix_spawn_file_actions_init(&files);
        posix_spawn_file_actions_addopen(&files, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&files, 2, errors.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        if (pass >= 0) posix_spawn_file_actions_adddup2(&files, pass, 3);
        pid_t pid = 0;
        const bool ok = posix_spawn(&pid, path.c_str(), &files, nullptr, argv.data(), envp.data()) == 0;
        posix_spawn_file_actions_destroy(&files);
        EXPECT_TRUE(ok) << path;
        if (ok) started.push_back(pid);
        return ok ? pid : -1;
    }

    // Starts a copy; vars add "NAME=value" to its environment or, as "NAME", take it away.
    pid_t Launch(const std::vector<std::string>& vars, const std::string& errors = "/dev/null", std::string program = {})
    {
        std::vector<std::string> env = {"HOME=" + dir, "PATH=/usr/bin:/bin", "XDG_RUNTIME_DIR=" + runtime,
                                        "QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=dummy"};
        for (const auto& v : vars) {
            const std::string name = v.substr(0, v.find('=')) + "=";
            std::erase_if(env, [&](const std::string& e) { return e.rfind(name, 0) == 0; });
            if (v.find('=') != std::string::npos) env.push_back(v);
        }
        if (program.empty()) program = dir + "/tandrel";
        return Spawn(program, {program}, env, errors);
    }

    // The status of a copy that ended within ms, or Running.
    int Wait(pid_t pid, int ms)
    {
        int status = Running;
        if (Within(ms, [&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) std::erase(started, pid);
        return status;
    }

    static bool Within(int ms, const std::function<bool()>& ready)
    {
        const auto deadline = Clock::now() + std::chrono::milliseconds(ms);
        while (!ready()) {
            if (Clock::now() >= deadline) return false;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return true;
    }

    // The sockets in the runtime folder; with answering, only those that take a connection.
    int Sockets(bool answering = false) const
    {
        int n = 0;
        for (const auto& e : fs::directory_iterator(runtime)) {
            sockaddr_un addr{AF_UNIX, {}};
            e.path().string().copy(addr.sun_path, sizeof addr.sun_path - 1);
            const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            n += fs::is_socket(e.status()) && (!answering || ::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0);
            ::close(fd);
        }
        return n;
    }

    // An X server of the test's own. The server picks a free display and tells its
    // number: it takes over the sockets a killed server left, and servers started at
    // once do not race for the same number.
    std::string StartX()
    {
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) return {};
        const int told = ::fcntl(ends[1], F_DUPFD_CLOEXEC, 10); // never 3 itself, which dup2 would leave shut
        ::close(ends[1]);
        // Not reset when its last client leaves: it would refuse connections for a
        // moment, as the display check leaves just before the toolkit comes.
        const pid_t server = Spawn("/usr/bin/Xvfb", {"Xvfb", "-displayfd", "3", "-nolisten", "tcp", "-noreset"},
                                   {"PATH=/usr/bin:/bin"}, "/dev/null", told);
        ::close(told);
        std::string number;
        if (server <= 0) {
            ::close(ends[0]);
            return {};
        }
        Within(20000, [&] {
            pollfd ready{ends[0], POLLIN, 0};
            char c = 0;
            if (::poll(&ready, 1, 100) == 1 && ::read(ends[0], &c, 1) == 1 && c != '\n') number += c;
            return c == '\n' || (ready.revents & POLLHUP) || Wait(server, 0) != Running;
        });
        ::close(ends[0]);
        if (number.empty()) return {};
        const std::string ask = "DISPLAY=:" + number + " xwininfo -root >/dev/null 2>&1";
        return Within(20000, [&] { return std::system(ask.c_str()) == 0; }) ? ":" + number : std::string();
    }

    QTemporaryDir folder;
    std::string dir, runtime;
    std::vector<pid_t> started;
};

bool EndedWell(int status) { return status != Running && WIFEXITED(status) && WEXITSTATUS(status) == 0; }

std::string Text(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST_F(ProgramProcesses, TwentyStartsAtOnceRunOneCopyAndAnotherDisplayIsToldWhereItRuns)
{
    std::vector<pid_t> running(20);
    for (pid_t& p : running) p = Launch({"DISPLAY=:71"});
    int endedWell = 0;
    const auto reap = [&] {
        std::erase_if(running, [&](pid_t p) {
            const int status = Wait(p, 0);
            endedWell += EndedWell(status);
            return status != Running;
        });
        return running.size() <= 1;
    };
    Within(20000, reap);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    reap();
    EXPECT_EQ(endedWell, 19);
    ASSERT_EQ(running.size(), 1u);
    const pid_t first = running.front();

    // A copy killed outright leaves lock and socket: the next start takes them over.
    ::kill(first, SIGKILL);
    Wait(first, 5000);
    const pid_t next = Launch({"DISPLAY=:71"});
    EXPECT_TRUE(Within(20000, [&] { return Sockets(true) > 0; }));
    EXPECT_TRUE(EndedWell(Wait(Launch({"DISPLAY=:71"}), 20000)));
    EXPECT_EQ(Wait(next, 0), Running);

    // Another display is told where the game runs (a box there too) and writes nothing.
    const std::string ini = dir + "/duelpat.ini", told = dir + "/told";
    const std::string before = Text(ini);
    const pid_t other = Launch({"DISPLAY=:72"}, told);
    const std::string line = "Tandrel is already running on display :71, with the settings in " +
                             fs::canonical(dir).string() + ".\n";
    // The line first; the toolkit may add its own about the box.
    EXPECT_TRUE(Within(20000, [&] { return Text(told).rfind(line, 0) == 0; })) << Text(told);
    EXPECT_EQ(Wait(other, 0), Running);
    ::kill(other, SIGTERM);
    EXPECT_TRUE(EndedWell(Wait(other, 20000)));
    EXPECT_EQ(Text(ini), before);
    EXPECT_EQ(Sockets(), 1);

    ::kill(next, SIGTERM);
    EXPECT_TRUE(EndedWell(Wait(next, 20000)));
    EXPECT_EQ(Sockets(), 0);
}

// A display on this machine is asked by its socket alone, in any of its names:
// a listener that closes every connection at once is no X server, yet answers.
TEST(DisplayCheck, ALocalDisplayIsAskedByItsSocketAlone)
{
    const int number = 4000 + ::getpid() % 1000;
    const std::string name = "/tmp/.X11-unix/X" + std::to_string(number);
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path + 1, name.data(), name.size()); // the abstract name, no file
    ASSERT_EQ(::bind(listener, reinterpret_cast<sockaddr*>(&addr),
                     static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size())), 0);
    ASSERT_EQ(::listen(listener, 8), 0);
    std::thread closer([listener] {
        for (int c; (c = ::accept(listener, nullptr, nullptr)) >= 0;) ::close(c);
    });
    const std::string platform = getenv("QT_QPA_PLATFORM") ? getenv("QT_QPA_PLATFORM") : "";
    ::unsetenv("QT_QPA_PLATFORM");
    ::unsetenv("WAYLAND_DISPLAY");
    for (const std::string& display : {":" + std::to_string(number), "unix:" + std::to_string(number) + ".0"}) {
        ::setenv("DISPLAY", display.c_str(), 1);
        EXPECT_EQ(tandrel::DisplayProblem(0, nullptr), "") << display;
    }
    const std::string none = ":" + std::to_string(number + 1000);
    ::setenv("DISPLAY", none.c_str(), 1);
    EXPECT_EQ(tandrel::DisplayProblem(0, nullptr), "no X server answers at DISPLAY " + none);
    ::shutdown(listener, SHUT_RDWR);
    closer.join();
    ::close(listener);
    ::setenv("QT_QPA_PLATFORM", platform.c_str(), 1);
}

// The start reads the font configuration ahead through the toolkit's own
// library; a name that found none would quietly put the cost back.
TEST(StartAhead, TheFontConfigurationIsReadThroughTheToolkitsOwnLibrary)
{
    EXPECT_TRUE(tandrel::LoadFontConfiguration());
}

TEST_F(ProgramProcesses, WithoutADisplayOneLineAndStatusOne)
{
    const std::string errors = dir + "/errors";
    // Last: the toolkit cannot start after the check passed: one line, no abort.
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"DISPLAY", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY"}, "DISPLAY is not set)"},
        {{"DISPLAY=:97", "QT_QPA_PLATFORM", "WAYLAND_DISPLAY"}, "no X server answers at DISPLAY :97)"},
        {{"QT_QPA_PLATFORM=nonesuch"}, ""}};
    for (const auto& [vars, why] : cases) {
        if (fs::exists("/tmp/.X11-unix/X97")) continue; // something does answer there
        const int status = Wait(Launch(vars, errors), 20000);
        EXPECT_TRUE(status != Running && WIFEXITED(status) && WEXITSTATUS(status) == 1) << vars[0] << " " << status;
        const std::string said = Text(errors);
        EXPECT_EQ(said.rfind("Tandrel needs a graphical display; none could be opened (" + why, 0), 0u) << said;
        EXPECT_EQ(said.find('\n'), said.size() - 1) << said;
    }
}

namespace {

template <class F>
F Symbol(void* lib, const char* name)
{
    return reinterpret_cast<F>(::dlsym(lib, name));
}

// A top-level window by the start of its name, with its geometry; id 0 when none.
struct XWindow {
    unsigned id = 0;
    int x = 0, y = 0, width = 0, height = 0;
};
XWindow WindowNamed(const std::string& display, const std::string& title)
{
    const std::string command = "DISPLAY=" + display + " xwininfo -root -tree 2>/dev/null | grep -m1 '\"" + title + "'";
    XWindow w;
    char line[512] = {};
    if (FILE* p = ::popen(command.c_str(), "r")) {
        // 0x200006 "Tandrel - Ann": ("tandrel" "Tandrel")  640x499+0+0  +320+262
        const char* geometry = std::fgets(line, sizeof line, p) ? std::strrchr(line, ')') : nullptr;
        if (std::sscanf(line, "%x", &w.id) != 1 || !geometry ||
            std::sscanf(geometry + 1, " %dx%d%*d%*d %d%d", &w.width, &w.height, &w.x, &w.y) != 4)
            w = {};
        ::pclose(p);
    }
    return w;
}

// Another X client (through the X tools' libraries): destroys, types, looks.
class XClient {
public:
    explicit XClient(const std::string& display)
    {
        x11_ = ::dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
        xtst_ = ::dlopen("libXtst.so.6", RTLD_NOW | RTLD_LOCAL);
        xcb_ = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
        if (!x11_ || !xtst_ || !xcb_) return;
        dpy_ = Symbol<void* (*)(const char*)>(x11_, "XOpenDisplay")(display.c_str());
        conn_ = Symbol<void* (*)(const char*, int*)>(xcb_, "xcb_connect")(display.c_str(), nullptr);
    }
    ~XClient()
    {
        // The server may be gone by now: the libraries are only let go of.
        for (void* lib : {x11_, xtst_, xcb_})
            if (lib) ::dlclose(lib);
    }
    bool Ready() const { return dpy_ && conn_; }

    bool Destroy(unsigned window)
    {
        Symbol<unsigned (*)(void*, unsigned)>(xcb_, "xcb_destroy_window")(conn_, window);
        // A round trip: requests still unread when a client leaves (the toolkit may
        // hold the server grabbed a moment) would be dropped.
        const auto focus = Symbol<unsigned (*)(void*)>(xcb_, "xcb_get_input_focus");
        void* answer = Symbol<void* (*)(void*, unsigned, void**)>(xcb_, "xcb_get_input_focus_reply")(conn_, focus(conn_), nullptr);
        std::free(answer);
        return answer != nullptr;
    }

    // Presses and lets go of a key (by its keysym) with the pointer at x, y.
    void Key(unsigned long keysym, int x, int y)
    {
        const auto key = Symbol<int (*)(void*, unsigned, int, unsigned long)>(xtst_, "XTestFakeKeyEvent");
        Symbol<int (*)(void*, int, int, int, unsigned long)>(xtst_, "XTestFakeMotionEvent")(dpy_, -1, x, y, 0);
        const unsigned k = Symbol<unsigned char (*)(void*, unsigned long)>(x11_, "XKeysymToKeycode")(dpy_, keysym);
        key(dpy_, k, 1, 0);
        key(dpy_, k, 0, 0);
        Symbol<int (*)(void*, int)>(x11_, "XSync")(dpy_, 0);
    }

    // A fingerprint of what a part of a window shows.
    std::size_t Picture(unsigned window, int x, int y, int width, int height)
    {
        // A cookie is one unsigned, passed as one (as in Destroy).
        const auto get = Symbol<unsigned (*)(void*, std::uint8_t, unsigned, std::int16_t, std::int16_t, std::uint16_t,
                                            std::uint16_t, std::uint32_t)>(xcb_, "xcb_get_image");
        void* image = Symbol<void* (*)(void*, unsigned, void**)>(xcb_, "xcb_get_image_reply")(
            conn_, get(conn_, 2 /* Z pixmap */, window, static_cast<std::int16_t>(x), static_cast<std::int16_t>(y),
                       static_cast<std::uint16_t>(width), static_cast<std::uint16_t>(height), ~0u),
            nullptr);
        if (!image) return 0;
        const auto* data = Symbol<std::uint8_t* (*)(void*)>(xcb_, "xcb_get_image_data")(image);
        const int length = Symbol<int (*)(void*)>(xcb_, "xcb_get_image_data_length")(image);
        const std::size_t print = std::hash<std::string_view>()(
            std::string_view(reinterpret_cast<const char*>(data), static_cast<std::size_t>(length)));
        std::free(image);
        return print;
    }

private:
    void* x11_ = nullptr;
    void* xtst_ = nullptr;
    void* xcb_ = nullptr;
    void* dpy_ = nullptr;
    void* conn_ = nullptr;
};

} // namespace

// Signal 0 stands for the window destroyed by another X client; SIGTERM also
// comes at chosen moments of a start.
TEST_F(ProgramProcesses, ExitSignalsAndAWindowDestroyedFromOutsideRunTheExitSequence)
{
    const bool x = fs::exists("/usr/bin/Xvfb") && fs::exists("/usr/bin/xwininfo");
    const std::string display = x ? StartX() : "", ini = dir + "/duelpat.ini", dealt = dir + "/gamesdealt";
    for (int signal : {SIGTERM, SIGHUP, SIGINT, 0}) {
        if (!signal && !x) GTEST_SKIP() << "needs Xvfb and xwininfo";
        ASSERT_TRUE(signal || !display.empty()) << "no X server came up";
        std::ofstream(ini) << "[Options]\nPlayer=Ann\n[Ann]\nAutoSave=1\nSound=0\n";
        fs::remove(dealt);
        const pid_t p = Launch(signal ? std::vector<std::string>{"DISPLAY=:73"}
                                      : std::vector<std::string>{"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb"},
                               dir + "/errors");
        unsigned window = 0;
        ASSERT_TRUE(Within(20000, [&] { return fs::exists(dealt) && (signal || (window = WindowNamed(display, "Tandrel - Ann").id)); }))
            << signal << std::ifstream(dir + "/errors").rdbuf();
        ASSERT_TRUE(signal ? ::kill(p, signal) == 0 : XClient(display).Destroy(window));
        EXPECT_TRUE(EndedWell(Wait(p, 20000))) << signal << std::ifstream(dir + "/errors").rdbuf();
        // The game dealt at the start is in the file, with the statistics.
        const std::string saved = tandrel::ReadProfileString(ini, "Ann", "Save1", "");
        EXPECT_NE(saved, "") << signal;
        EXPECT_EQ(tandrel::ReadProfileString(ini, "Ann", "Win", ""), "0") << signal;
        // A signal at any moment of a start: the exit sequence, or (while the program is
        // still being loaded) a death with nothing written. The stored game stays.
        for (int ms : signal == SIGTERM ? std::vector{0, 20, 50, 100, 200} : std::vector<int>{}) {
            const std::string before = Text(ini);
            const pid_t early = Launch({"DISPLAY=:74"});
            std::this_thread::sleep_for(std::chrono::milliseconds(ms)); // where the signal falls, not a wait
            ::kill(early, SIGTERM);
            const int status = Wait(early, 20000);
            const bool stillLoading = WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM && Text(ini) == before;
            EXPECT_TRUE(EndedWell(status) || stillLoading) << ms << " ms: " << status;
            EXPECT_EQ(tandrel::ReadProfileString(ini, "Ann", "Save1", ""), saved) << ms;
            EXPECT_EQ(tandrel::ReadProfileString(ini, "Ann", "Win", ""), "0") << ms;
        }
    }
}

// A signal closes a "cannot be written" box, and the exit sequence shows none.
TEST_F(ProgramProcesses, NoMessageBoxHoldsUpTheExit)
{
    const std::string ini = dir + "/duelpat.ini";
    std::ofstream(ini) << "[Options]\nPlayer=Ann\n[Ann]\nAutoSave=1\nSound=0\n";
    pid_t p = Launch({"DISPLAY=:75"}, dir + "/errors");
    ASSERT_TRUE(Within(20000, [&] { return Sockets(true) > 0 && fs::exists(dir + "/gamesdealt"); }));
    fs::remove(ini);
    fs::create_directory(ini); // nothing can be written there now
    ::kill(p, SIGTERM);
    EXPECT_TRUE(EndedWell(Wait(p, 5000)));
    EXPECT_NE(Text(dir + "/errors").find("cannot be written"), std::string::npos) << Text(dir + "/errors");

    if (!fs::exists("/usr/bin/Xvfb") || !fs::exists("/usr/bin/xwininfo")) GTEST_SKIP() << "needs Xvfb and xwininfo";
    const std::string display = StartX();
    ASSERT_FALSE(display.empty()) << "no X server came up";
    fs::remove(ini);
    fs::create_symlink(dir + "/nowhere/duelpat.ini", ini); // the first start's write fails: a box says so
    p = Launch({"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb"}, dir + "/errors");
    // The box, not the toolkit's hidden window of the same name.
    ASSERT_TRUE(Within(20000, [&] { return WindowNamed(display, "Tandrel\": (\"").id != 0; })) << Text(dir + "/errors");
    ::kill(p, SIGTERM);
    EXPECT_TRUE(EndedWell(Wait(p, 5000)));
}

// The X server dies in the player's turn: the move just made is in the file.
TEST_F(ProgramProcesses, ALostDisplayStillStoresTheLastMove)
{
    if (!fs::exists("/usr/bin/Xvfb") || !fs::exists("/usr/bin/xwininfo")) GTEST_SKIP() << "needs Xvfb and xwininfo";
    const std::string ini = dir + "/duelpat.ini";
    std::ofstream(ini) << "[Options]\nPlayer=Ann\n[Ann]\nAutoSave=1\nSound=0\nAnimate=0\n";
    const std::string display = StartX();
    ASSERT_FALSE(display.empty()) << "no X server came up";
    const auto saved = [&] { return tandrel::ReadProfileString(ini, "Ann", "Save1", ""); }; // stocks and wastes
    XWindow w;
    const auto start = [&] {
        const pid_t p = Launch({"DISPLAY=" + display, "QT_QPA_PLATFORM=xcb"}, dir + "/errors");
        EXPECT_TRUE(Within(20000, [&] { return (w = WindowNamed(display, "Tandrel - Ann")).id != 0; }));
        return p;
    };
    pid_t p = start();
    ASSERT_NE(w.id, 0u) << Text(dir + "/errors");
    ::kill(p, SIGTERM);
    ASSERT_TRUE(EndedWell(Wait(p, 20000)));
    const std::string dealt = saved();
    ASSERT_NE(dealt, "");

    p = start();
    ASSERT_NE(w.id, 0u) << Text(dir + "/errors");
    XClient client(display);
    ASSERT_TRUE(client.Ready());
    // The table lies below the menu bar; the player's stock and waste in its lower row.
    const int top = w.height - 480;
    const auto stock = [&] { return client.Picture(w.id, 390, top + 310, 50, 75); };
    const auto waste = [&] { return client.Picture(w.id, 475, top + 310, 50, 75); };
    ASSERT_TRUE(Within(20000, [&] { return stock() != waste(); })); // the restored table is shown
    const std::size_t empty = waste();
    // The first key shows the focus, the next flips; one during the start is dropped.
    EXPECT_TRUE(Within(30000, [&] {
        client.Key(0x20 /* space */, w.x + w.width / 2, w.y + w.height / 2);
        return Within(1000, [&] { return waste() != empty; });
    }));
    for (pid_t s : started)
        if (s != p) ::kill(s, SIGKILL); // every X server of the test: the display is gone
    EXPECT_NE(Wait(p, 20000), Running);
    EXPECT_NE(saved(), dealt) << Text(dir + "/errors");
}

// Installed programs keep settings, lock and count in ~/.config/tandrel: one copy
// there, stale temporaries cleared. Another user's lock beside a build folder sends them there too.
TEST_F(ProgramProcesses, OneCopyPerSettingsFolderForInstalledProgramsToo)
{
    const std::string config = dir + "/.config/tandrel";
    for (const char* prefix : {"/one", "/two"}) {
        fs::create_directories(dir + prefix + "/games");
        fs::create_directories(dir + prefix + "/share/tandrel");
        fs::copy_file(std::string(TANDREL_ASSETS) + "/back7.bmp", dir + prefix + "/share/tandrel/back7.bmp");
        fs::create_hard_link(dir + "/tandrel", dir + prefix + "/games/tandrel");
    }
    fs::create_directories(config);
    std::ofstream(config + "/duelpat.ini") << "[Options]\nPlayer=Ann\n[Ann]\nAutoSave=1\nSound=0\n";
    const std::string stale = config + "/duelpat.ini.tmp999999999-1";
    std::ofstream(stale) << "half";
    const auto launch = [&](const char* prefix) { return Launch({"DISPLAY=:76"}, "/dev/null", dir + prefix + "/games/tandrel"); };
    const pid_t first = launch("/one");
    ASSERT_TRUE(Within(20000, [&] { return fs::exists(config + "/gamesdealt") && Sockets(true) > 0; }));
    EXPECT_TRUE(fs::exists(config + "/.tandrel.lock"));
    EXPECT_FALSE(fs::exists(stale));
    const std::string before = Text(config + "/duelpat.ini");
    for (const char* prefix : {"/one", "/two"}) EXPECT_TRUE(EndedWell(Wait(launch(prefix), 20000))) << prefix;
    EXPECT_EQ(Text(config + "/duelpat.ini"), before);
    EXPECT_FALSE(fs::exists(dir + "/one/games/duelpat.ini"));
    ::kill(first, SIGTERM);
    ASSERT_TRUE(EndedWell(Wait(first, 20000)));

    if (::geteuid() != 0) GTEST_SKIP() << "a lock of another user's is tried only as root";
    fs::remove_all(config);
    const std::string lock = dir + "/.tandrel.lock";
    std::ofstream(lock) << ":76\n";
    ASSERT_EQ(::chown(lock.c_str(), 65534, 65534), 0);
    const int held = ::open(lock.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const pid_t mine = Launch({"DISPLAY=:76"});
    EXPECT_TRUE(Within(20000, [&] { return fs::exists(config + "/duelpat.ini"); }));
    EXPECT_EQ(Wait(mine, 0), Running);
    ::close(held);
}
