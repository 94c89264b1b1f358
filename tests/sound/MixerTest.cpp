// The speakers through SDL's disk driver, which writes what would have sounded
// to a file: real sound comes out, a new effect cuts off the old one, the tune
// loops and stops, and bad files or no device at all are silence.
#include <SDL.h>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>

#include "engine/HeadlessView.h"
#include "engine/PlaySound.h"
#include "sound/AudioFiles.h"
#include "sound/Mixer.h"

namespace tandrel::testing {
namespace {

namespace fs = std::filesystem;
constexpr int Rate = 44100;

void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

class MixerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path() / ("tandrel-mixer-" + std::to_string(::getpid()));
        fs::create_directories(dir / "my music");
        out = (dir / "out.raw").string();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
        unsetenv("SDL_DISKAUDIODELAY"); // real time
    }
    void TearDown() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        fs::remove_all(dir);
    }
    std::string Path(const char* name) const { return (dir / name).string(); }
    std::uintmax_t Written() const
    {
        std::error_code ec;
        const auto n = fs::file_size(out, ec);
        return ec ? 0 : n;
    }
    // Lets the device run until `seconds` more of sound have been written.
    void RunFor(double seconds)
    {
        const auto until = Written() + static_cast<std::uintmax_t>(seconds * Rate) * 4;
        for (int i = 0; i < 6000 && Written() < until; ++i) Sleep(5);
    }

    fs::path dir;
    std::string out;
};

TEST_F(MixerTest, ANewEffectCutsOffTheOldOneAndTheChoosersTestIgnoresTheSoundSwitch)
{
    WriteTone(Path("long.wav"), 1.0, 0.5);
    WriteTone(Path("short.wav"), 0.05, 0.25);
    HeadlessView view;
    Game g(view);
    g.cfg.SoundOn = 0;
    g.cfg.WavFiles[5] = Path("long.wav");
    PlaySound(g, 5);
    EXPECT_TRUE(view.sounds.empty());
    EXPECT_EQ(g.CardSoundIndex, 4);
    {
        Mixer m;
        ASSERT_TRUE(m.Open());
        m.PlaySoundFile(Path("long.wav")); // the chooser's Test button
        Sleep(200);
        m.PlaySoundFile(Path("short.wav"));
        Sleep(400);
    }
    const std::vector<int> s = DiskOutput(out);
    std::size_t loud = 0, last = 0;
    for (std::size_t i = 0; i < s.size(); ++i)
        if (std::abs(s[i]) > 300) ++loud, last = i;
    EXPECT_GT(loud, Rate / 10u) << "the long sound was heard";
    EXPECT_LT(loud, Rate * 45u / 100) << "the long sound was cut off";
    const int lastPeak = Peak(s, last - Rate / 50, last + 1);
    EXPECT_GT(lastPeak, 6000) << "the short sound came last";
    EXPECT_LT(lastPeak, 10000);
}

TEST_F(MixerTest, FilesThatCannotPlayAreSilence)
{
    std::ofstream(Path("junk.wav")) << std::string(100, 'x');
    std::ofstream(Path("junk.mid")) << std::string(100, 'x');
    std::ofstream(Path("header.mid")) << "MThd" << std::string(96, '\x7f');
    for (const std::string& path : {std::string(), Path("missing.wav"), std::string("C:\\WINDOWS\\MEDIA\\ding.wav"),
                                    Path("junk.wav"), Path("junk.mid"), Path("header.mid"), dir.string()}) {
        SCOPED_TRACE(path);
        {
            Mixer m;
            ASSERT_TRUE(m.Open());
            m.PlaySoundFile(path);
            m.PlayMusic(path);
            RunFor(0.1);
            m.CloseMusic();
        }
        const std::vector<int> s = DiskOutput(out);
        EXPECT_EQ(Peak(s, 0, s.size()), 0);
    }
}

TEST_F(MixerTest, TheTuneStartsAgainAtItsEndUntilClosed)
{
    setenv("SDL_DISKAUDIODELAY", "0", 1); // as fast as the synthesiser goes
    const std::string tune = Path("my music/a tune.mid");
    WriteTune(tune);
    std::size_t from = 0;
    {
        Mixer m;
        ASSERT_TRUE(m.Open());
        ASSERT_TRUE(m.PlayMusic(tune));
        from = Written() / 4;
        RunFor(5.0);
        EXPECT_TRUE(m.MusicPlaying());
        m.CloseMusic();
        EXPECT_FALSE(m.MusicPlaying());
        EXPECT_FALSE(m.TuneLoaded());
        RunFor(0.5);
    }
    const std::vector<int> s = DiskOutput(out);
    std::size_t start = from;
    while (start < s.size() && std::abs(s[start]) < 300) ++start;
    ASSERT_LT(start, s.size());
    for (std::size_t k = 1; k <= 2; ++k) {
        const std::size_t bar = start + k * 2 * Rate; // every two seconds, on the beat
        EXPECT_GT(Peak(s, bar, bar + Rate / 10), 4 * Peak(s, bar - Rate / 4, bar - Rate / 100)) << "pass " << k;
    }
    EXPECT_EQ(Peak(s, s.size() - Rate / 5, s.size()), 0) << "silence once closed";
}

TEST_F(MixerTest, ASoundFontPathTheMixerWouldSplitIsRefused)
{
    fs::create_symlink(GeneralMidiFont, Path("a:b.sf2"));
    WriteTune(Path("t.mid"));
    for (const auto& [font, midi] : {std::pair{std::string(GeneralMidiFont), true}, {Path("a:b.sf2"), false},
                                     {Path("none.sf2"), false}}) {
        Mixer m;
        ASSERT_TRUE(m.Open(font));
        EXPECT_EQ(m.HasMidi(), midi) << font;
        EXPECT_EQ(m.PlayMusic(Path("t.mid")), midi) << font;
    }
}

TEST_F(MixerTest, TheProgramStillEndsOnASignal)
{
    Mixer m;
    ASSERT_TRUE(m.Open());
    for (int sig : {SIGTERM, SIGINT}) {
        struct sigaction now {};
        sigaction(sig, nullptr, &now);
        EXPECT_EQ(now.sa_handler, SIG_DFL) << sig;
    }
}

TEST_F(MixerTest, NoDeviceIsSilenceAndOneLine)
{
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    WriteTone(Path("a.wav"), 0.1, 0.5);
    WriteTune(Path("t.mid"));
    ::testing::internal::CaptureStderr();
    {
        Mixer m;
        EXPECT_FALSE(m.Open());
        EXPECT_FALSE(m.Open());
        m.PlaySoundFile(Path("a.wav"));
        EXPECT_FALSE(m.PlayMusic(Path("t.mid")));
        EXPECT_FALSE(m.MusicPlaying());
        m.CloseMusic();
    }
    const std::string said = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
}

} // namespace
} // namespace tandrel::testing
