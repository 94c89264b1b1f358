#pragma once
// The speakers: short effects on one channel, so that a new sound cuts off the
// one still playing, and one looping tune. Whatever the audio system does, a
// call returns at once; a file that will not play is silence.
//
// The device opens on a thread of its own (OpenInBackground), so that a slow
// audio system never holds up the table. Until it is open the mixer is only
// touched by that thread: an effect asked meanwhile waits, the latest one only,
// and sounds as soon as the device is open; music asked meanwhile does not
// start (whoever wants it starts it again when told the device is open).
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

namespace tandrel {

constexpr const char* GeneralMidiFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class Mixer {
public:
    Mixer() = default;
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Opens the audio device, once: true when the machine can play sound.
    // Waits for an opening under way. A failure says one line on standard
    // error, never more; a machine with no audio output at all (AudioCheck.h)
    // loads no audio library.
    bool Open();
    // Starts opening the device, once, and returns at once. opened (below)
    // is called on the opening thread when it is over, open or not.
    void OpenInBackground();
    // Waits until an opening under way is over.
    void Settle();
    bool IsOpen() const { return state_.load(std::memory_order_acquire) == State::Open; }
    // An opening is under way, or its end is still being told (opened).
    bool Opening() const { return opening_.load(); }
    // The device was asked for and could not be had: no wave device this run.
    bool Failed() const { return state_.load(std::memory_order_acquire) == State::Failed; }

    // Plays a wave file now, cutting off the effect still playing. Opens the
    // device in the background when no one did; the effect then sounds once
    // it is open.
    void PlaySoundFile(const std::string& path);

    // Plays the tune from its start, looping for good; the loaded tune is kept
    // while the same file plays again. False when it cannot play, or not yet
    // (the device is still opening: it is then asked to open).
    bool PlayMusic(const std::string& path);
    void HaltMusic();  // stops; the tune stays loaded
    void CloseMusic(); // stops and lets the tune go
    // Whether the tune is really sounding: false once it stopped or the device went away.
    bool MusicPlaying();
    bool HasMidi() const { return IsOpen() && midi_; }
    bool TuneLoaded() const { return music_ != nullptr; }

    // Told on the opening thread once an opening is over; set before any opening.
    std::function<void()> opened;
    std::string soundFont = GeneralMidiFont;
    std::string devices = "/dev"; // where AudioOutputLikely looks (tests name their own)

private:
    enum class State { Untried, Opening, Open, Failed };
    void OpenHere(bool ownThread);
    void PlayWave(const std::string& wave);

    std::atomic<State> state_{State::Untried};
    std::atomic<bool> opening_{false};
    std::thread opener_;
    std::mutex waiting_;  // held by the opener while it hands over the waiting effect
    std::string pending_; // the effect asked while the device opened
    bool midi_ = false;
    bool deviceLost_ = false;
    void* chunk_ = nullptr; // Mix_Chunk
    void* music_ = nullptr; // Mix_Music
    std::string musicPath_;
    std::string tune_; // the bytes the tune plays from
};

} // namespace tandrel
