#pragma once
// The current player's settings in memory; the store reads and writes them
// under the settings file's own key names.
// Defaults here are the defaults of a brand new player.
#include <array>
#include <string>

namespace tandrel {

enum class Background { Picture, Colour };  // what covers the table
enum class Fill { Gradient, Solid };        // how the table colour is painted
// The computer's level, weakest first.
enum class Level { Beginner, Intermediate, Expert, Master };

struct Settings {
    Background TableBackground = Background::Picture;
    std::string BackImage;            // picture tiled over the table
    long TableColor = 16711808;       // 0xFF0080, red in the lowest byte
    Fill ColourFill = Fill::Gradient;
    int CardBack = 56;                // 56..65
    bool Animate = true;
    int FlipNum = 1;                  // cards turned per flip, 1..3
    int Speed = 13;                   // slide step, 3..23
    bool ShowStats = true;
    Level ComputerLevel = Level::Expert;
    int PlaySpeed = 250;              // extra pause of the computer, 0..500 ms
    bool AutoSave = false;
    std::array<std::string, 11> WavFiles;
    std::string MusicFile;
    bool MusicOn = false;
    bool SoundOn = true;
    bool FitTable = false;            // the table scaled to the window, shape kept

    std::string CurrentPlayer;
    std::string SettingsFile;
    std::string ProgramFolder;        // the default pictures, sounds and music live here
};

} // namespace tandrel
