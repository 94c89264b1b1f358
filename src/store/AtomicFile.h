#pragma once
// Whole-file writes that never leave a damaged file behind.
#include <string>

namespace tandrel {

// Temporary files are named "<file>.tmp<pid>-<n>".
inline constexpr const char* TemporaryMark = ".tmp";

// Writes content to a temporary file beside path, flushes it to disk and
// renames it over path. False on any failure; path is then unchanged. A link
// to a regular file writes that file and stays a link; a dangling link, a link
// to anything else, a read-only file and what is not a regular file are
// refused.
bool WriteFileAtomically(const std::string& path, const std::string& content);

enum class ReadStatus { Read, Missing, Failed };

// Reads a whole file as bytes. Missing: there is no file at path; Failed: it
// exists but could not be read, or is not a regular file (a FIFO, a device):
// content is then empty.
ReadStatus ReadWholeFile(const std::string& path, std::string& content);

// Removes from folder the temporary files left by writers that died in the
// middle of a write (their process is gone). Gives how many were removed.
int RemoveStaleTemporaries(const std::string& folder);

} // namespace tandrel
