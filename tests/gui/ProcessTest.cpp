// The real program as separate processes: many starts at once, a second
// display, a copy killed and started again, the exit signals, no display and
// a window destroyed by another X client.
#include <dlfcn.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

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

    // Starts path; its standard error goes to errors, and fd3 (when given) becomes its descriptor 3.
    pid_t Spawn(const std::string& path, std::vector<std::string> args, std::vector<std::string> env,
                const std::string& errors = "/dev/null", int fd3 = -1)
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
        if (fd3 >= 0) posix_spawn_file_actions_adddup2(&files, fd3, 3);
        pid_t pid = 0;
        const bool ok = posix_spawn(&pid, path.c_str(), &files, nullptr, argv.data(), envp.data()) == 0;
        posix_spawn_file_actions_destroy(&files);
        EXPECT_TRUE(ok) << path;
        if (ok) started.push_back(pid);
        return ok ? pid : -1;
    }

    // Starts a copy; vars add "NAME=value" to its environment or, as "NAME", take it away.
    pid_t Launch(const std::vector<std::string>& vars, const std::string& errors = "/dev/null")
    {
        std::vector<std::string> env = {"HOME=" + dir, "PATH=/usr/bin:/bin", "XDG_RUNTIME_DIR=" + runtime,
                                        "QT_QPA_PLATFORM=offscreen", "SDL_AUDIODRIVER=dummy"};
        for (const auto& v : vars) {
            const std::string name = v.substr(0, v.find('=')) + "=";
            std::erase_if(env, [&](const std::string& e) { return e.rfind(name, 0) == 0; });
            if (v.find('=') != std::string::npos) env.push_back(v);
        }
        return Spawn(dir + "/tandrel", {dir + "/tandrel"}, env, errors);
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

    // An X server of the test's own, on a display it picks; tried again when it
    // does not answer (another server may take the same display at the same time).
    std::string StartX()
    {
        for (int attempt = 0; attempt < 3; ++attempt) {
            int fds[2];
            if (::pipe2(fds, O_CLOEXEC) != 0) return {};
            const pid_t server =
                Spawn("/usr/bin/Xvfb", {"Xvfb", "-displayfd", "3", "-nolisten", "tcp"}, {"PATH=/usr/bin:/bin"}, "/dev/null", fds[1]);
            ::close(fds[1]);
            char number[16] = {};
            const ssize_t n = server > 0 ? ::read(fds[0], number, sizeof number - 1) : 0;
            ::close(fds[0]);
            const std::string display = ":" + std::to_string(std::atoi(number));
            const std::string ask = "DISPLAY=" + display + " xwininfo -root >/dev/null 2>&1";
            if (n > 0 && Within(5000, [&] { return Wait(server, 0) == Running && std::system(ask.c_str()) == 0; }))
                return display;
            if (server > 0) {
                ::kill(server, SIGKILL);
                Wait(server, 5000);
            }
        }
        return {};
    }

    QTemporaryDir folder;
    std::string dir, runtime;
    std::vector<pid_t> started;
};

bool EndedWell(int status) { return status != Running && WIFEXITED(status) && WEXITSTATUS(status) == 0; }

} // namespace

TEST_F(ProgramProcesses, TwentyStartsAtOnceRunOneCopyAndAnotherDisplayItsOwn)
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

    // A copy killed outright leaves its lock and socket; the next start takes
    // them over (its socket answers) and a later one asks it forward.
    ::kill(first, SIGKILL);
    Wait(first, 5000);
    const pid_t next = Launch({"DISPLAY=:71"});
    EXPECT_TRUE(Within(20000, [&] { return Sockets(true) > 0; }));
    EXPECT_TRUE(EndedWell(Wait(Launch({"DISPLAY=:71"}), 20000)));
    EXPECT_EQ(Wait(next, 0), Running);

    // Another display runs a copy of its own.
    const pid_t other = Launch({"DISPLAY=:72"});
    EXPECT_TRUE(Within(20000, [&] { return Sockets() == 2; }));
    EXPECT_EQ(Wait(other, 0), Running);

    for (pid_t p : {next, other}) {
        ::kill(p, SIGTERM);
        EXPECT_TRUE(EndedWell(Wait(p, 20000)));
    }
    EXPECT_EQ(Sockets(), 0);
}

TEST_F(ProgramProcesses, WithoutADisplayOneLineAndStatusOne)
{
    const std::string errors = dir + "/errors";
    const std::pair<const char*, const char*> cases[] = {{"DISPLAY", "DISPLAY is not set"},
                                                         {"DISPLAY=:97", "no X server answers at DISPLAY :97"}};
    for (const auto& [display, why] : cases) {
        if (fs::exists("/tmp/.X11-unix/X97")) continue; // something does answer there
        const int status = Wait(Launch({display, "QT_QPA_PLATFORM", "WAYLAND_DISPLAY"}, errors), 20000);
        EXPECT_TRUE(status != Running && WIFEXITED(status) && WEXITSTATUS(status) == 1) << display << " " << status;
        std::ifstream in(errors);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}),
                  std::string("Tandrel needs a graphical display; none could be opened (") + why + ").\n");
    }
}

namespace {

// Destroys an X window as another client would (libxcb, loaded as the program loads it).
bool DestroyWindow(const std::string& display, unsigned window)
{
    void* xcb = ::dlopen("libxcb.so.1", RTLD_NOW | RTLD_LOCAL);
    if (!xcb) return false;
    const auto connect = reinterpret_cast<void* (*)(const char*, int*)>(::dlsym(xcb, "xcb_connect"));
    const auto destroy = reinterpret_cast<unsigned (*)(void*, unsigned)>(::dlsym(xcb, "xcb_destroy_window"));
    const auto focus = reinterpret_cast<unsigned (*)(void*)>(::dlsym(xcb, "xcb_get_input_focus"));
    const auto reply = reinterpret_cast<void* (*)(void*, unsigned, void**)>(::dlsym(xcb, "xcb_get_input_focus_reply"));
    const auto disconnect = reinterpret_cast<void (*)(void*)>(::dlsym(xcb, "xcb_disconnect"));
    void* c = connect(display.c_str(), nullptr);
    destroy(c, window);
    // A round trip: requests still unread when a client leaves (the toolkit may
    // hold the server grabbed a moment) would be dropped.
    void* answer = reply(c, focus(c), nullptr);
    std::free(answer);
    disconnect(c);
    ::dlclose(xcb);
    return answer != nullptr;
}

// The id of the top-level window whose name starts with title, or 0.
unsigned WindowNamed(const std::string& display, const std::string& title)
{
    const std::string command = "DISPLAY=" + display + " xwininfo -root -tree 2>/dev/null | grep -m1 '\"" + title + "'";
    unsigned id = 0;
    if (FILE* p = ::popen(command.c_str(), "r")) {
        if (std::fscanf(p, "%x", &id) != 1) id = 0;
        ::pclose(p);
    }
    return id;
}

} // namespace

// Signal 0 stands for the window destroyed by another X client.
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
        ASSERT_TRUE(Within(20000, [&] { return fs::exists(dealt) && (signal || (window = WindowNamed(display, "Tandrel - Ann"))); }))
            << signal << std::ifstream(dir + "/errors").rdbuf();
        ASSERT_TRUE(signal ? ::kill(p, signal) == 0 : DestroyWindow(display, window));
        EXPECT_TRUE(EndedWell(Wait(p, 20000))) << signal << std::ifstream(dir + "/errors").rdbuf();
        // The game dealt at the start is in the file, with the statistics.
        EXPECT_NE(tandrel::ReadProfileString(ini, "Ann", "Save1", ""), "") << signal;
        EXPECT_EQ(tandrel::ReadProfileString(ini, "Ann", "Win", ""), "0") << signal;
    }
}
