#pragma once
// The words a player reads, in the player's language. The rules keep no
// toolkit: the program installs its catalogue's lookup at the start, and until
// it does (tests, tools) every text reads as written. A text is found by its
// context and its English words, which the catalogues are made from.

#include <string>

namespace tandrel {

// n: the number a plural text is for, or -1.
using TextLookup = std::string (*)(const char* context, const char* source, int n);

void SetTextLookup(TextLookup lookup);

// Marks a text kept in a table for the catalogue; it is looked up when said.
constexpr const char* TextToTranslate(const char* /*context*/, const char* source) { return source; }

// The player's words for source, English where the catalogue has none.
std::string Translate(const char* context, const char* source);
// The same for a text whose form follows the number n, written into it at %n
// (the catalogue's way of asking: the third argument is not used).
std::string Translate(const char* context, const char* source, const char* unused, int n);

// text with each of its lowest-numbered markers (%1 to %9) replaced by value,
// as the toolkit's arg() does, so one catalogue serves both layers.
std::string Arg(std::string text, const std::string& value);
std::string Arg(std::string text, int value);

} // namespace tandrel
