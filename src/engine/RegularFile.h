#pragma once
// Reading the files a player may name (pictures, sounds, tunes, the settings):
// opened without blocking and checked after opening, so that a FIFO or a device
// put in a file's place can neither hang the game nor be read as a file.
#include <cstddef>
#include <string>

namespace tandrel {

enum class FileRead { Read, Missing, NotRegular, TooLarge, Failed };

// The whole file at path into bytes (empty unless Read). Links are followed;
// what they lead to must be a regular file of at most limit bytes.
FileRead ReadRegularFile(const std::string& path, std::string& bytes, std::size_t limit = 64u << 20);

} // namespace tandrel
