// The words a player reads go through one lookup; values go into them as the
// toolkit's arg() puts them, so one catalogue serves the rules and the windows.
#include <gtest/gtest.h>

#include "engine/Texts.h"

namespace tandrel::testing {
namespace {

TEST(Texts, ValuesFillTheLowestMarkerAndALookupTranslates)
{
    EXPECT_EQ(Arg(Arg("%2, then %1 and %1", "one"), "two"), "two, then one and one");
    // A player may be called "%1": the name goes in once for each marker, and no more.
    EXPECT_EQ(Arg("Remove %1? %1 goes.", "%1"), "Remove %1? %1 goes.");
    EXPECT_EQ(Arg("pile %1.", 4), "pile 4.");
    EXPECT_EQ(Arg("no marker", "x"), "no marker");
    EXPECT_EQ(Translate("Table", "%n cards face down", nullptr, 3), "3 cards face down");
    SetTextLookup([](const char* context, const char* source, int n) {
        return std::string(context) + ":" + source + (n >= 0 ? "/" + std::to_string(n) : "");
    });
    EXPECT_EQ(Translate("Players", "That name is too long."), "Players:That name is too long.");
    EXPECT_EQ(Translate("Table", "%n cards", nullptr, 12), "Table:12 cards/12");
    SetTextLookup(nullptr);
}

} // namespace
} // namespace tandrel::testing
