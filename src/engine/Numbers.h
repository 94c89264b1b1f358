#pragma once
// The one number formatter and the one leading-number reader of the game's
// fixed-width records and of the settings file.
#include <string>
#include <string_view>

namespace tandrel {

// value with leading zeros to width digits; a negative value keeps its sign in front.
std::string Digits(int value, int width);
// The number at the front of text, as a decimal conversion reads it: blanks
// first, an optional sign, then digits up to the first other character; no
// digits read as 0, and a number past the int range stops at its edge.
int LeadingNumber(std::string_view text);
// Cuts an n-character field off the front of s and reads its leading number.
int TakeNumber(std::string& s, int n);

} // namespace tandrel
