#pragma once
// The settings file in the Windows profile (INI) format, read and written the
// way the Windows profile functions do it, but with every line the program does
// not change kept exactly as it was: comments, blank lines, order, and the
// file's own line ends (CRLF or LF).
//
// Section and key names match without regard to ASCII case. Reads see at most
// ProfileReadLimit characters of a value, as through a 256-byte buffer.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Numbers.h"

namespace tandrel {

constexpr std::size_t ProfileReadLimit = 255;

class ProfileFile {
public:
    enum class LoadStatus { Loaded, Missing, Unreadable };

    ProfileFile() = default;
    static ProfileFile FromText(std::string_view text);

    // Missing: starts empty (the first write creates the file). Unreadable:
    // starts empty, and Save refuses so the file is never replaced by a blank one.
    LoadStatus Load(const std::string& path);
    // Writes the whole file atomically; false when it did not reach the disk.
    bool Save(const std::string& path) const;
    std::string Text() const;

    // The full value as stored (blanks around it trimmed), or nothing when the key is missing.
    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    // The value, or def when the key is missing; at most ProfileReadLimit characters.
    std::string ReadString(std::string_view section, std::string_view key, std::string_view def) const;
    // The leading decimal number of the value (sign allowed, blanks before it
    // skipped); def when the key is missing or its value does not start with a number.
    // Values beyond the int range stop at its ends.
    int ReadInt(std::string_view section, std::string_view key, int def) const;

    // Replaces the key's value in place, or adds the key at the end of its
    // section, or adds the section at the end of the file. False, with nothing
    // changed, for a name or value that cannot be stored (see the checks below).
    bool Write(std::string_view section, std::string_view key, std::string_view value);
    // Removes every section of that name with all its lines; false when there was none.
    bool DeleteSection(std::string_view section);

    bool HasSection(std::string_view section) const { return FindSection(section).has_value(); }
    std::vector<std::string> SectionNames() const;
    bool UsesCrLf() const { return crlf_; }

    static bool IsStorableSection(std::string_view name);
    static bool IsStorableKey(std::string_view name);
    static bool IsStorableValue(std::string_view value);

private:
    struct Range {
        std::size_t header;  // index of the [section] line
        std::size_t end;     // one past its last line
    };
    std::optional<Range> FindSection(std::string_view section) const;
    std::optional<std::size_t> FindKey(const Range& r, std::string_view key) const;

    std::vector<std::string> lines_;  // without their line ends
    bool crlf_ = false;
    bool bom_ = false;                // a UTF-8 mark before the first line, kept as found
    bool unreadable_ = false;
};

// One-shot forms for a single read or write of a file on disk; a write reads
// the file again under its lock, so it changes that one key and nothing else.
std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view def);
int ReadProfileInt(const std::string& path, std::string_view section, std::string_view key, int def);
bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value);
bool DeleteProfileSection(const std::string& path, std::string_view section);

// s without the blanks at its ends: spaces, tabs, carriage returns, vertical
// tabs and form feeds.
std::string_view Trim(std::string_view s);

// Section and key names are the same name when they differ only in ASCII case.
bool SameProfileName(std::string_view a, std::string_view b);
// The one spelling of every name SameProfileName takes as the same.
std::string FoldedProfileName(std::string_view name);

} // namespace tandrel
