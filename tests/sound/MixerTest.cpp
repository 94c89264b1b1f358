// The speakers through SDL's disk driver, which writes what would have sounded
// to a file: real sound comes out, a new effect cuts off the old one, the tune
// loops on time and stops, and bad files or no device at all are silence; a
// machine without audio loads no audio library at all.
#include <chrono>
#include <csignal>
#include <dlfcn.h>
#include <link.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <thread>

#include "engine/HeadlessView.h"
#include "sound/AudioCheck.h"
#include "sound/Mixer.h"

namespace tandrel::testing {
namespace {

namespace fs = std::filesystem;
constexpr std::size_t Rate = 44100;
const std::string Assets = TANDREL_ASSETS;

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tandrel-mixer-" + std::to_string(::getpid()));
        fs::create_directories(dir);
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", Path("out.raw").c_str(), 1);
        unsetenv("SDL_DISKAUDIODELAY"); // real time
    }
    void TearDown() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        fs::remove_all(dir);
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    std::size_t Frames() const
    {
        std::error_code ec;
        const auto n = fs::file_size(Path("out.raw"), ec);
        return ec ? 0 : n / 4;
    }
    // Lets the device run until `seconds` more of sound have been written.
    void RunFor(double seconds)
    {
        const std::size_t until = Frames() + static_cast<std::size_t>(seconds * Rate);
        // Generous: the synthesiser under the sanitizers on a loaded machine is slow.
        for (int i = 0; i < 24000 && Frames() < until; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    // The left channel's loudest sample in [from, to) frames of what came out.
    int Peak(std::size_t from, std::size_t to) const
    {
        std::ifstream f(Path("out.raw"), std::ios::binary);
        f.seekg(static_cast<std::streamoff>(from * 4));
        int peak = 0;
        for (std::int16_t frame[2]; from++ < to && f.read(reinterpret_cast<char*>(frame), 4);)
            peak = std::max(peak, std::abs(int{frame[0]}));
        return peak;
    }
    std::size_t LoudFrames(std::size_t from = 0) const
    {
        std::size_t n = 0;
        for (std::size_t i = from; i < Frames(); i += 32) n += Peak(i, i + 32) > 300 ? 32 : 0;
        return n;
    }

    fs::path dir;
};

TEST_F(MixerTest, ANewEffectCutsOffTheOldOneTheChoosersTestIgnoresTheSoundSwitchAndSignalsStillEnd)
{
    {
        Mixer m;
        m.PlaySoundFile(Assets + "/win.wav"); // the chooser's Test button: 1.3 s
        ASSERT_TRUE(m.Open());
        for (int sig : {SIGTERM, SIGINT}) { // the open device leaves the program able to end on a signal
            struct sigaction now {};
            sigaction(sig, nullptr, &now);
            EXPECT_EQ(now.sa_handler, SIG_DFL) << sig;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        m.PlaySoundFile(Assets + "/Card4.wav");
        std::this_thread::sleep_for(std::chrono::milliseconds(400));
    }
    EXPECT_GT(LoudFrames(), Rate / 10) << "real sound came out";
    EXPECT_LT(LoudFrames(), Rate * 45 / 100) << "the win sound was cut off";
}

TEST_F(MixerTest, AnEffectAskedWhileTheDeviceOpensSoundsOnceItIsOpen)
{
    Mixer m;
    m.PlaySoundFile(Assets + "/win.wav");
    m.Settle();
    RunFor(0.5);
    EXPECT_GT(LoudFrames(), Rate / 4);
}

TEST_F(MixerTest, FilesThatCannotPlayAndNoDeviceAreSilence)
{
    // No device at all is silence too, one line, and the audio libraries let go again.
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    ::testing::internal::CaptureStderr();
    {
        Mixer m;
        EXPECT_FALSE(m.Open());
        m.PlaySoundFile(Assets + "/win.wav");
        EXPECT_FALSE(m.PlayMusic(Assets + "/rag.mid"));
        EXPECT_FALSE(m.MusicPlaying());
    }
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
    EXPECT_EQ(::dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_NOLOAD), nullptr);
    setenv("SDL_AUDIODRIVER", "disk", 1);
    std::ofstream(Path("junk.mid")) << std::string(100, 'x');
    std::ofstream(Path("header.mid")) << "MThd" << std::string(96, '\x7f');
    for (const std::string& path : {std::string(), Path("missing.wav"), std::string("C:\\WINDOWS\\MEDIA\\ding.wav"),
                                    Path("junk.mid"), Path("header.mid"), Assets + "/rag.mid", dir.string()}) {
        SCOPED_TRACE(path);
        {
            Mixer m;
            ASSERT_TRUE(m.Open());
            m.PlaySoundFile(path); // a tune is no effect
            if (!path.ends_with("rag.mid")) {
                EXPECT_FALSE(m.PlayMusic(path));
            }
            RunFor(0.1);
        }
        EXPECT_EQ(LoudFrames(), 0u);
    }
}

TEST_F(MixerTest, TheTuneStartsAgainOnTheBeatUntilClosed)
{
    setenv("SDL_DISKAUDIODELAY", "0", 1); // as fast as the synthesiser goes
    fs::create_directories(dir / "my music");
    fs::copy_file(Assets + "/rag.mid", dir / "my music/a rag.mid");
    std::size_t from = 0;
    {
        Mixer m;
        EXPECT_FALSE(m.PlayMusic(Path("my music/a rag.mid"))) << "not before the device is open";
        ASSERT_TRUE(m.Open());
        from = Frames(); // before the tune: its first frames may be out before PlayMusic returns
        ASSERT_TRUE(m.PlayMusic(Path("my music/a rag.mid")));
        RunFor(66);
        EXPECT_TRUE(m.MusicPlaying());
        m.CloseMusic();
        EXPECT_FALSE(m.MusicPlaying());
        EXPECT_FALSE(m.TuneLoaded());
        RunFor(0.5);
    }
    std::size_t start = from;
    while (start < Frames() && Peak(start, start + 1) < 300) ++start;
    const std::size_t again = start + 64 * Rate; // 32 bars of 4/4 at 120 a minute
    EXPECT_GT(Peak(again, again + Rate / 20), 4 * Peak(again - Rate / 10, again - Rate / 100));
    EXPECT_EQ(Peak(Frames() - Rate / 5, Frames()), 0) << "silence once closed";
}

// Objects loaded into the process so far, unloaded ones included.
unsigned long long LoadsSoFar()
{
    unsigned long long adds = 0;
    dl_iterate_phdr(
        [](dl_phdr_info* info, std::size_t, void* n) {
            *static_cast<unsigned long long*>(n) = info->dlpi_adds;
            return 1;
        },
        &adds);
    return adds;
}

TEST_F(MixerTest, WithNoServerAndNoSoundCardNoAudioLibraryIsLoaded)
{
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    const std::string runtimeWas = runtime ? runtime : "";
    for (const char* name : {"SDL_AUDIODRIVER", "PULSE_SERVER"}) unsetenv(name);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    fs::create_directories(dir / "dev/snd");
    std::ofstream(Path("dev/snd/controlC0")) << ""; // a card that records only
    fs::create_directories(dir / "pulse");
    std::ofstream(Path("pulse/native")) << ""; // no socket: no server
    EXPECT_FALSE(AudioOutputLikely(Path("dev")));
    {
        const auto before = LoadsSoFar();
        Mixer m;
        m.devices = Path("dev");
        m.OpenInBackground();
        m.Settle();
        EXPECT_TRUE(m.Failed());
        EXPECT_EQ(LoadsSoFar(), before);
    }
    std::ofstream(Path("dev/snd/pcmC0D0p")) << "";
    EXPECT_TRUE(AudioOutputLikely(Path("dev"))) << "a card that plays";
    fs::remove(Path("dev/snd/pcmC0D0p"));
    const sockaddr_un address = [&] {
        sockaddr_un a{};
        a.sun_family = AF_UNIX;
        std::snprintf(a.sun_path, sizeof a.sun_path, "%s", Path("pipewire-0").c_str());
        return a;
    }();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    ASSERT_EQ(::bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    EXPECT_TRUE(AudioOutputLikely(Path("dev"))) << "a sound server's socket";
    ::close(fd);
    fs::remove(Path("pipewire-0"));
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_TRUE(AudioOutputLikely(Path("dev"))) << "a driver named";
    if (runtime) setenv("XDG_RUNTIME_DIR", runtimeWas.c_str(), 1);
    else unsetenv("XDG_RUNTIME_DIR");
}

} // namespace
} // namespace tandrel::testing
