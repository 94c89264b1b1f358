#include <gtest/gtest.h>
#include <string>

#include "sound/MidiFile.h"

namespace tandrel {
namespace {

using namespace std::string_literals;

const std::string Header = "MThd\0\0\0\x06\0\0\0\x01\x01\xE0"s;
std::string Track(const std::string& events)
{
    return "MTrk\0\0\0"s + static_cast<char>(events.size()) + events;
}
const std::string Notes = "\0\x90\x3C\x64" "\x60\x3C\0"s; // the second by running status
const std::string End = "\x8E\x20\xFF\x2F\0"s;

TEST(IsPlayableMidi, OnlyWholeTunesWithTimeInThem)
{
    const struct {
        const char* what;
        std::string data;
        bool playable;
    } cases[] = {
        {"a tune", Header + Track(Notes + End), true},
        {"other chunks skipped", Header + "XTRA\0\0\0\x02zz"s + Track(Notes + End), true},
        {"nothing", "", false},
        {"junk", std::string(100, 'x'), false},
        {"a header and junk", "MThd"s + std::string(96, '\x7f'), false},
        {"header of the wrong length", "MThd\0\0\0\x07\0\0\0\x01\x01\xE0\0"s + Track(Notes + End), false},
        {"no tracks", "MThd\0\0\0\x06\0\0\0\0\x01\xE0"s, false},
        {"a track missing", "MThd\0\0\0\x06\0\x01\0\x02\x01\xE0"s + Track(Notes + End), false},
        {"a track cut short", Header + Track(Notes + End).substr(0, 12), false},
        {"no end marker", Header + Track(Notes), false},
        {"data with no status", Header + Track("\0\x3C\x64"s + End), false},
        {"an undefined status", Header + Track("\0\xF4"s + End), false},
        {"a length past the track", Header + Track("\0\xFF\x01\x7F"s + End), false},
        {"no time at all", Header + Track(Notes.substr(0, 4) + "\0\x3C\0\0\xFF\x2F\0"s), false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsPlayableMidi(c.data), c.playable) << c.what;
}

} // namespace
} // namespace tandrel
