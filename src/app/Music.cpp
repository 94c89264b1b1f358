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
    // Told on the opening thread; the tune starts on this one.
    mixer_.opened = [this] {
        followUp_ = true;
        QMetaObject::invokeMethod(this, &Music::DeviceOpened, Qt::QueuedConnection);
    };
}

Music::~Music()
{
    mixer_.Settle(); // nothing is told to this object once it is gone
    mixer_.opened = nullptr;
}

void Music::DeviceOpened()
{
    followUp_ = false;
    // A tune started meanwhile (the menu's Music) already plays.
    if (game_.cfg.MusicOn && !tmrMidi_.isActive()) MusicBySettings();
}

// The device opens on a thread of its own, so a slow or absent one never
// delays the table or the cards: for music once the deal's first card shows,
// for effects at the player's first press or the first effect (which then
// sounds once the device is open). Without one the session plays silently
// (the mixer plays nothing), and the player's choices stay as they are, in
// the file too.
void Music::OpenSound()
{
    if (game_.cfg.MusicOn) mixer_.OpenInBackground();
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
