#include "app/Music.h"

#include "engine/Game.h"
#include "sound/Mixer.h"
#include "store/SettingsFile.h"

namespace tandrel {

Music::Music(Game& g, Mixer& mixer, QObject* parent) : QObject(parent), game_(g), mixer_(mixer)
{
    tmrMidi_.setObjectName("tmrMidi");
    tmrMidi_.setInterval(1000);
    connect(&tmrMidi_, &QTimer::timeout, this, &Music::tmrMidi_Timer);
}

// The device opens after the table is painted, so a slow or absent one never
// delays the first sight of the table, and only when sound or music is wanted.
// Without one the session plays silently (the mixer plays nothing), and the
// player's choices stay as they are, in the file too.
void Music::OpenSound()
{
    const Settings& c = game_.cfg;
    if (c.SoundOn || c.MusicOn) mixer_.Open();
}

void Music::MusicBySettings()
{
    if (game_.cfg.MusicOn) {
        tmrMidi_.start();
        StartMusic();
    } else {
        tmrMidi_.stop();
        mixer_.CloseMusic();
    }
}

void Music::StartMusic()
{
    const Settings& c = game_.cfg;
    if (c.MusicFile.empty()) return;
    mixer_.HaltMusic();
    if (!c.MusicOn) return;
    tmrMidi_.stop();
    // A tune that will not play leaves the timer off and the setting as it was.
    if (mixer_.PlayMusic(c.MusicFile)) tmrMidi_.start();
}

void Music::StopMusic()
{
    Settings& c = game_.cfg;
    c.MusicOn = false;
    // Silent on failure: the exit sequence writes the setting again and reports it.
    WriteMusicOn(c);
    tmrMidi_.stop();
    mixer_.CloseMusic();
    emit stoppedForPlayer(); // the timer turns it off between actions
}

void Music::tmrMidi_Timer()
{
    // The tune loops inside the mixer, so silence here means it cannot play:
    // the device went away or the start failed. Music then turns itself off.
    if (mixer_.MusicPlaying()) return;
    tmrMidi_.stop();
    if (game_.cfg.MusicOn) StopMusic();
}

void Music::Close()
{
    tmrMidi_.stop();
    mixer_.CloseMusic();
}

} // namespace tandrel
