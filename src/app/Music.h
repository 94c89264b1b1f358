#pragma once
// The background tune by the current player's settings, and its watch timer
// tmrMidi, which notices a tune that should play and does not.
#include <QObject>
#include <QTimer>

#include "sound/Mixer.h"

namespace tandrel {

struct Game;

class Music : public QObject {
    Q_OBJECT
public:
    Music(Game& g, Mixer& mixer, QObject* parent);
    ~Music() override;

    // Starts opening the audio device when the player wants music; the tune
    // starts once it is open. Effects open it when first wanted.
    void OpenSound();
    // No opening of the device is under way or waits to be followed up.
    bool SoundSettled() const { return !mixer_.Opening() && !followUp_; }
    // Plays or silences the tune as the player's MusicOn says.
    void MusicBySettings();
    // The tune from its start, looping.
    void StartMusic();
    // Turns the music off for this player, in the file too.
    void StopMusic();
    void tmrMidi_Timer();
    // The program ends: the timer stops and the tune goes; the player's choice stays.
    void Close();
    bool TimerOn() const { return tmrMidi_.isActive(); }

signals:
    // The music turned itself off between actions: the menu shows it.
    void stoppedForPlayer();

private:
    void DeviceOpened();

    Game& game_;
    Mixer& mixer_;
    QTimer tmrMidi_{this};
    std::atomic<bool> followUp_{false}; // the device opened: the tune is still to start
};

} // namespace tandrel
