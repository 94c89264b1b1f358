#pragma once
// The current player's settings in memory, one field per settings-file key.
// Defaults here are the defaults of a brand new player.
#include <array>
#include <string>

namespace tandrel {

struct Settings {
    int Bkgrd = 1;                    // 1 tiled picture, 0 table colour
    std::string BackImage;            // picture tiled over the table
    long TableColor = 16711808;       // 0xFF0080, red in the lowest byte
    int Gradiant = 1;                 // 1 gradient, otherwise solid
    int CardBack = 56;                // 56..65
    int Animate = 1;
    int FlipNum = 1;                  // cards turned per flip, 1..3
    int Speed = 13;                   // slide step, 3..23
    int ShowStats = 1;
    int Style = 2;                    // 0 Beginner, 1 Intermediate, 2 Expert
    int PlaySpeed = 250;              // extra pause of the computer, 0..500 ms
    int AutoSave = 0;
    std::array<std::string, 11> WavFiles;
    std::string MusicFile;
    int PlayMIDI = 0;
    int SoundOn = 1;
    int FitTable = 0;                 // the table scaled to the window, shape kept

    std::string CurrentPlayer;
    std::string SettingsFile;
    std::string ProgramFolder;        // the default pictures, sounds and music live here
};

} // namespace tandrel
