#include "sound/Mixer.h"

#include "engine/RegularFile.h"
#include "sound/AudioCheck.h"
#include "sound/MidiFile.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <cstdio>
#include <dlfcn.h>
#include <fcntl.h>
#include <filesystem>
#include <string_view>
#include <unistd.h>

namespace tandrel {

namespace {

// 512 frames at 44.1 kHz: a card's sound follows its landing within about 12 ms.
constexpr int Rate = 44100;
constexpr int ChunkFrames = 512;
constexpr std::size_t LargestTune = 16u << 20;
constexpr std::size_t LargestWave = 64u << 20;

// The mixer and SDL are loaded when the device first opens, not linked: linking
// them would cost every start of the program about 15 ms and 5 MB, sound or none.
#define TANDREL_SDL_CALLS(X) \
    X(SDL_InitSubSystem) X(SDL_QuitSubSystem) X(SDL_WasInit) X(SDL_Quit) X(SDL_SetHint) X(SDL_PumpEvents) X(SDL_PeepEvents) \
    X(SDL_RWFromConstMem) X(SDL_TLSCleanup) \
    X(Mix_OpenAudio) X(Mix_AllocateChannels) X(Mix_CloseAudio) X(Mix_FreeChunk) X(Mix_FreeMusic) \
    X(Mix_HaltChannel) X(Mix_HaltMusic) X(Mix_HasMusicDecoder) X(Mix_Init) X(Mix_LoadMUSType_RW) \
    X(Mix_LoadWAV_RW) X(Mix_PlayChannelTimed) X(Mix_PlayMusic) X(Mix_PlayingMusic) X(Mix_Quit) \
    X(Mix_SetSoundFonts)

struct Sdl {
#define TANDREL_SDL_POINTER(f) decltype(&::f) f = nullptr;
    TANDREL_SDL_CALLS(TANDREL_SDL_POINTER)
#undef TANDREL_SDL_POINTER
} sdl;

// SDL's start and stop and the silencing of standard error are the process's,
// not a mixer's: two mixers (a test's and a window's) open and close one at a time.
std::mutex startStop;

// Each opening holds the library once; a failed one lets it go again, so a
// machine without audio does not keep some 4 MB of audio libraries for nothing.
void* LoadSdl()
{
    void* lib = ::dlopen("libSDL2_mixer-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!lib) return nullptr;
    bool all = true;
#define TANDREL_SDL_LOOKUP(f) all = all && (sdl.f = reinterpret_cast<decltype(&::f)>(::dlsym(lib, #f)));
    TANDREL_SDL_CALLS(TANDREL_SDL_LOOKUP)
#undef TANDREL_SDL_LOOKUP
    if (all) return lib;
    ::dlclose(lib);
    return nullptr;
}

bool IsFile(const std::string& path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_regular_file(path, ec);
}

// The bytes of a RIFF WAVE file, empty for anything else: the mixer would read
// a tune or a compressed file as an effect too, and a tune would load the whole
// sound font on the way. Read by us without blocking, so that a FIFO named as a
// sound cannot hang the game.
std::string ReadWave(const std::string& path)
{
    std::string data;
    if (ReadRegularFile(path, data, LargestWave) != FileRead::Read || data.size() < 12) return {};
    const bool wave = std::string_view(data).substr(0, 4) == "RIFF" && std::string_view(data).substr(8, 4) == "WAVE";
    return wave ? data : std::string();
}

// The whole tune when it is one the synthesiser can play; empty otherwise.
std::string ReadTune(const std::string& path)
{
    std::string data;
    if (ReadRegularFile(path, data, LargestTune) != FileRead::Read) return {};
    return IsPlayableMidi(data) ? data : std::string();
}

// The audio libraries chatter on standard error when there is no device; the
// player hears of it once, in one line of our own.
class QuietStderr {
public:
    QuietStderr()
    {
        std::fflush(stderr);
        saved_ = ::dup(2);
        const int null = ::open("/dev/null", O_WRONLY);
        if (saved_ >= 0 && null >= 0) ::dup2(null, 2);
        if (null >= 0) ::close(null);
    }
    ~QuietStderr()
    {
        std::fflush(stderr);
        if (saved_ >= 0) {
            ::dup2(saved_, 2);
            ::close(saved_);
        }
    }

private:
    int saved_ = -1;
};

} // namespace

Mixer::~Mixer()
{
    Settle();
    if (!IsOpen()) return;
    const std::lock_guard one(startStop);
    CloseMusic();
    sdl.Mix_HaltChannel(-1);
    if (chunk_) sdl.Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk_));
    sdl.Mix_CloseAudio();
    sdl.Mix_Quit();
    sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO | SDL_INIT_EVENTS);
}

bool Mixer::Open()
{
    State untried = State::Untried;
    if (state_.compare_exchange_strong(untried, State::Opening)) {
        opening_ = true;
        OpenHere(false);
    }
    Settle();
    return IsOpen();
}

void Mixer::OpenInBackground()
{
    State untried = State::Untried;
    if (state_.compare_exchange_strong(untried, State::Opening)) {
        opening_ = true;
        opener_ = std::thread([this] { OpenHere(true); });
    }
}

void Mixer::Settle()
{
    if (opener_.joinable()) opener_.join();
}

// Runs on the opening thread, or on the caller's for Open. Nobody else touches
// the mixer until the state says Open.
void Mixer::OpenHere(bool ownThread)
{
    bool open = AudioOutputLikely(devices);
    if (open) {
        const std::lock_guard one(startStop);
        QuietStderr quiet;
        // SDL would take over SIGINT and SIGTERM and wait for an SDL event
        // loop we never run: the program could then not be ended by a signal.
        void* lib = LoadSdl();
        open = lib && sdl.SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1") &&
               sdl.SDL_InitSubSystem(SDL_INIT_AUDIO | SDL_INIT_EVENTS) == 0;
        if (open && sdl.Mix_OpenAudio(Rate, AUDIO_S16SYS, 2, ChunkFrames) != 0) {
            sdl.SDL_QuitSubSystem(SDL_INIT_AUDIO | SDL_INIT_EVENTS);
            open = false;
        }
        if (lib && !open) {
            if (ownThread) sdl.SDL_TLSCleanup(); // what SDL kept for this thread
            // Unless another mixer still uses SDL, its state goes before the library does.
            if (sdl.SDL_WasInit(0) == 0) sdl.SDL_Quit();
            ::dlclose(lib);
        }
    }
    if (open) {
        sdl.Mix_AllocateChannels(1);
        // The font list splits at ':' and ';', so a path holding one would name nothing.
        const bool fontUsable = IsFile(soundFont) && soundFont.find_first_of(":;") == std::string::npos;
        if (fontUsable && sdl.Mix_SetSoundFonts(soundFont.c_str())) {
            sdl.Mix_Init(MIX_INIT_MID);
            midi_ = sdl.Mix_HasMusicDecoder("MIDI") == SDL_TRUE;
        }
    } else {
        std::fprintf(stderr, "tandrel: no audio output, playing silently\n");
    }
    {
        // The effect that waited sounds first; an effect asked from here on
        // finds the device open.
        const std::lock_guard hold(waiting_);
        if (open && !pending_.empty()) PlayWave(pending_);
        pending_.clear();
        state_.store(open ? State::Open : State::Failed, std::memory_order_release);
    }
    // SDL keeps data for each thread that calls it and lets it go only for its own threads.
    if (open && ownThread) sdl.SDL_TLSCleanup();
    if (opened) opened();
    opening_ = false;
}

void Mixer::PlayWave(const std::string& wave)
{
    // The mixer decodes into its own buffer; the bytes are needed only meanwhile.
    Mix_Chunk* chunk = sdl.Mix_LoadWAV_RW(sdl.SDL_RWFromConstMem(wave.data(), static_cast<int>(wave.size())), 1);
    if (!chunk) return;
    sdl.Mix_HaltChannel(0);
    if (chunk_) sdl.Mix_FreeChunk(static_cast<Mix_Chunk*>(chunk_));
    chunk_ = chunk;
    sdl.Mix_PlayChannelTimed(0, chunk, 0, -1);
}

void Mixer::PlaySoundFile(const std::string& path)
{
    std::string wave = ReadWave(path);
    if (wave.empty()) return;
    if (!IsOpen()) {
        OpenInBackground();
        const std::lock_guard hold(waiting_);
        if (state_.load() == State::Opening) {
            pending_ = std::move(wave);
            return;
        }
    }
    if (IsOpen()) PlayWave(wave);
}

bool Mixer::PlayMusic(const std::string& path)
{
    if (!IsOpen()) OpenInBackground();
    if (!IsOpen() || !midi_) return false;
    if (!music_ || path != musicPath_) {
        CloseMusic();
        // What was checked is what plays: the mixer gets the bytes, not the path.
        tune_ = ReadTune(path);
        if (tune_.empty()) return false;
        music_ = sdl.Mix_LoadMUSType_RW(sdl.SDL_RWFromConstMem(tune_.data(), static_cast<int>(tune_.size())), MUS_MID, 1);
        if (!music_) {
            tune_.clear();
            return false;
        }
        musicPath_ = path;
    }
    sdl.Mix_HaltMusic();
    // The tune loops inside the mixer, without the seconds of release tail a
    // restart after "stopped" would leave.
    return sdl.Mix_PlayMusic(static_cast<Mix_Music*>(music_), -1) == 0;
}

void Mixer::HaltMusic()
{
    if (IsOpen()) sdl.Mix_HaltMusic();
}

void Mixer::CloseMusic()
{
    if (!IsOpen()) return;
    sdl.Mix_HaltMusic();
    if (music_) sdl.Mix_FreeMusic(static_cast<Mix_Music*>(music_));
    music_ = nullptr;
    musicPath_.clear();
    tune_.clear();
}

bool Mixer::MusicPlaying()
{
    if (!IsOpen()) return false;
    // A device that went away keeps the mixer turning over in silence.
    sdl.SDL_PumpEvents();
    SDL_Event e;
    while (sdl.SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_AUDIODEVICEREMOVED, SDL_AUDIODEVICEREMOVED) > 0)
        if (!e.adevice.iscapture) deviceLost_ = true;
    return !deviceLost_ && sdl.Mix_PlayingMusic() != 0;
}

} // namespace tandrel
