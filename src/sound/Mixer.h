#pragma once
// The speakers: short effects on one channel, so that a new sound cuts off the
// one still playing, and one looping tune. Whatever the audio system does, a
// call returns at once; a file that will not play is silence.
#include <string>

namespace tandrel {

constexpr const char* GeneralMidiFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class Mixer {
public:
    Mixer() = default;
    ~Mixer();
    Mixer(const Mixer&) = delete;
    Mixer& operator=(const Mixer&) = delete;

    // Opens the audio device, once: true when the machine can play sound.
    // A failure says one line on standard error, never more. Playing opens
    // the device on the way when no one did.
    bool Open(const std::string& soundFont = GeneralMidiFont);
    bool IsOpen() const { return open_; }
    // The device was asked for and could not be had: no wave device this run.
    bool Failed() const { return tried_ && !open_; }

    // Plays a wave file now, cutting off the effect still playing.
    void PlaySoundFile(const std::string& path);

    // Plays the tune from its start, looping for good; the loaded tune is kept
    // while the same file plays again. False when it cannot play.
    bool PlayMusic(const std::string& path);
    void HaltMusic();  // stops; the tune stays loaded
    void CloseMusic(); // stops and lets the tune go
    // Whether the tune is really sounding: false once it stopped or the device went away.
    bool MusicPlaying();
    bool HasMidi() const { return midi_; }
    bool TuneLoaded() const { return music_ != nullptr; }

private:
    bool open_ = false;
    bool tried_ = false;
    bool midi_ = false;
    bool deviceLost_ = false;
    void* chunk_ = nullptr; // Mix_Chunk
    void* music_ = nullptr; // Mix_Music
    std::string musicPath_;
    std::string tune_; // the bytes the tune plays from
};

} // namespace tandrel
