// Nothing is lost whatever stands in a file's place, or past the file-size limit.
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <thread>

#include "app/ExitSignals.h"
#include "gui/GuiFixture.h"

using namespace tandrel;
using namespace tandrel::testing;
namespace fs = std::filesystem;

namespace {

// What is at path, without following a link or opening a FIFO.
std::string Describe(const std::string& path)
{
    const fs::file_status s = fs::symlink_status(path);
    if (fs::is_symlink(s)) return "link to " + fs::read_symlink(path).string();
    if (!fs::is_regular_file(s)) return "kind " + std::to_string(static_cast<int>(s.type()));
    std::ifstream in(path, std::ios::binary);
    return "file " + std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

} // namespace

TEST_F(GuiTest, FifosLinksFoldersReadOnlyFilesAndASizeLimitAreNeitherWaitedOnNorReplaced)
{
    InstallExitSignals(); // as the program does: a write past the limit fails, it does not kill
    rlimit unlimited{};
    ::getrlimit(RLIMIT_FSIZE, &unlimited);
    const std::string dir = folder.path().toStdString(), ini = dir + "/duelpat.ini";
    const auto fifo = [](const std::string& p) { ::mkfifo(p.c_str(), 0600); };
    struct Case {
        const char* what;
        std::function<void()> make;
        std::vector<std::string> odd; // the paths that must stay as they are
        int messages;                 // "cannot be written", once at most
    };
    const std::vector<Case> cases = {
        {"a FIFO as the settings file", [&] { fifo(ini); }, {ini}, 1},
        {"FIFOs as the games dealt and the picture", [&] { fifo(dir + "/gamesdealt"), fifo(dir + "/back7.bmp"); },
         {dir + "/gamesdealt", dir + "/back7.bmp"}, 0},
        {"a link to a FIFO", [&] { fifo(dir + "/pipe"), fs::create_symlink(dir + "/pipe", ini); }, {ini, dir + "/pipe"}, 1},
        {"a dangling link", [&] { fs::create_symlink(dir + "/elsewhere.ini", ini); }, {ini}, 1},
        {"a folder", [&] { fs::create_directory(ini); }, {ini}, 1},
        {"a read-only file", [&] {
             std::ofstream(ini) << "[Options]\nPlayer=Ann\n[Ann]\nWin=2\nAutoSave=1\n";
             fs::permissions(ini, fs::perms(0444)); }, {ini}, 1},
        {"a file-size limit", [&] { rlimit small = unlimited; small.rlim_cur = 64, ::setrlimit(RLIMIT_FSIZE, &small); }, {}, 1},
    };
    for (const Case& c : cases) {
        for (const auto& e : fs::directory_iterator(dir)) fs::remove_all(e.path());
        c.make();
        std::vector<std::string> before, fifos;
        for (const auto& p : c.odd) {
            before.push_back(Describe(p));
            if (fs::is_fifo(fs::symlink_status(p))) fifos.push_back(p);
        }
        // After 3 s the FIFOs are opened for writing, so a stuck reader fails the test, not hangs it.
        std::atomic<bool> done = false, waitedOn = false;
        std::thread release([&] {
            for (int i = 0; !done; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
                for (const auto& f : fifos)
                    if (const int fd = i < 60 ? -1 : ::open(f.c_str(), O_WRONLY | O_NONBLOCK); fd >= 0) {
                        waitedOn = true;
                        ::close(fd);
                    }
            }
        });
        messages.clear();
        Start();
        Click(400, 340);
        Command("mnuSnap")->trigger();
        QTest::keyClick(window.get(), Qt::Key_F2);
        window->close();
        window.reset();
        ::setrlimit(RLIMIT_FSIZE, &unlimited);
        done = true;
        release.join();
        EXPECT_FALSE(waitedOn) << c.what << ": the start waited on a FIFO";
        for (std::size_t i = 0; i < c.odd.size(); ++i) EXPECT_EQ(Describe(c.odd[i]), before[i]) << c.what;
        EXPECT_EQ(std::ranges::count_if(messages, [](const std::string& m) { return m.find("cannot be written") != m.npos; }),
                  c.messages) << c.what;
        for (const auto& e : fs::directory_iterator(dir))
            EXPECT_EQ(e.path().filename().string().find(".tmp"), std::string::npos) << c.what << ": " << e.path();
    }
}
