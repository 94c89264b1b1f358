#pragma once
// Whole-file writes that never leave a damaged file behind.
#include <string>

namespace tandrel {

// Writes content to a temporary file beside path, flushes it to disk and
// renames it over path. False on any failure; path is then unchanged.
bool WriteFileAtomically(const std::string& path, const std::string& content);

enum class ReadStatus { Read, Missing, Failed };

// Reads a whole file as bytes. Missing: there is no file at path; Failed: it
// exists but could not be read (content is then empty).
ReadStatus ReadWholeFile(const std::string& path, std::string& content);

} // namespace tandrel
