#include "store/Profile.h"

#include <climits>

#include "store/AtomicFile.h"
#include "store/FileLock.h"

namespace tandrel {

namespace {

constexpr std::string_view Blanks = " \t\r\v\f";
constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";

bool HasControl(std::string_view s)
{
    for (unsigned char c : s)
        if (c < 0x20 || c == 0x7F) return true;
    return false;
}

bool HasEdgeBlank(std::string_view s)
{
    return !s.empty() && (Trim(s).size() != s.size());
}

// What a line of the file is to the profile reader.
struct Line {
    enum Kind { Other, Header, Entry } kind = Other;
    std::string_view name;   // section or key name
    std::string_view value;  // an entry's value
};

Line Classify(std::string_view text)
{
    const std::string_view s = Trim(text);
    if (s.empty() || s.front() == ';') return {};
    if (s.front() == '[') {
        const auto close = s.rfind(']');
        if (close == std::string_view::npos || close == 0) return {};
        return {Line::Header, Trim(s.substr(1, close - 1)), {}};
    }
    const auto eq = s.find('=');
    if (eq == std::string_view::npos) return {};
    const std::string_view key = Trim(s.substr(0, eq));
    if (key.empty()) return {};
    return {Line::Entry, key, Trim(s.substr(eq + 1))};
}

// Whether the value starts with a number as LeadingNumber reads it: blanks,
// a sign, then at least one digit.
bool StartsWithNumber(std::string_view s)
{
    std::size_t i = s.find_first_not_of(" \t");
    if (i == std::string_view::npos) return false;
    if (s[i] == '-' || s[i] == '+') ++i;
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

// Cuts a value to what a 256-byte buffer holds, without leaving half a UTF-8 character.
std::string Limit(std::string s)
{
    if (s.size() <= ProfileReadLimit) return s;
    auto continuation = [&](std::size_t i) { return (static_cast<unsigned char>(s[i]) & 0xC0) == 0x80; };
    std::size_t cut = ProfileReadLimit, lead = cut;
    while (lead > 0 && cut - lead < 3 && continuation(lead)) --lead;
    if (lead < cut && (static_cast<unsigned char>(s[lead]) & 0xC0) == 0xC0) cut = lead;
    s.resize(cut);
    return s;
}

char FoldCase(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

} // namespace

std::string_view Trim(std::string_view s)
{
    const auto first = s.find_first_not_of(Blanks);
    if (first == std::string_view::npos) return {};
    const auto last = s.find_last_not_of(Blanks);
    return s.substr(first, last - first + 1);
}

bool SameProfileName(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (FoldCase(a[i]) != FoldCase(b[i])) return false;
    return true;
}

std::string FoldedProfileName(std::string_view name)
{
    std::string folded(name);
    for (char& c : folded) c = FoldCase(c);
    return folded;
}

ProfileFile ProfileFile::FromText(std::string_view text)
{
    ProfileFile f;
    if (text.substr(0, Utf8Mark.size()) == Utf8Mark) {
        f.bom_ = true;
        text.remove_prefix(Utf8Mark.size());
    }
    const auto firstEnd = text.find('\n');
    f.crlf_ = firstEnd != std::string_view::npos && firstEnd > 0 && text[firstEnd - 1] == '\r';
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        f.lines_.emplace_back(line);
        start = end + 1;
    }
    return f;
}

ProfileFile::LoadStatus ProfileFile::Load(const std::string& path)
{
    std::string text;
    const ReadStatus status = ReadWholeFile(path, text);
    *this = FromText(text);
    if (status == ReadStatus::Missing) return LoadStatus::Missing;
    if (status == ReadStatus::Failed) {
        unreadable_ = true;
        return LoadStatus::Unreadable;
    }
    return LoadStatus::Loaded;
}

bool ProfileFile::Save(const std::string& path) const
{
    if (unreadable_) return false;
    return WriteFileAtomically(path, Text());
}

std::string ProfileFile::Text() const
{
    const std::string_view eol = crlf_ ? "\r\n" : "\n";
    std::string out;
    if (bom_) out += Utf8Mark;
    for (const auto& line : lines_) {
        out += line;
        out += eol;
    }
    return out;
}

std::optional<ProfileFile::Range> ProfileFile::FindSection(std::string_view section) const
{
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Line l = Classify(lines_[i]);
        if (l.kind != Line::Header || !SameProfileName(l.name, section)) continue;
        std::size_t end = i + 1;
        while (end < lines_.size() && Classify(lines_[end]).kind != Line::Header) ++end;
        return Range{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> ProfileFile::FindKey(const Range& r, std::string_view key) const
{
    for (std::size_t i = r.header + 1; i < r.end; ++i) {
        const Line l = Classify(lines_[i]);
        if (l.kind == Line::Entry && SameProfileName(l.name, key)) return i;
    }
    return std::nullopt;
}

std::optional<std::string> ProfileFile::Find(std::string_view section, std::string_view key) const
{
    const auto range = FindSection(section);
    if (!range) return std::nullopt;
    const auto at = FindKey(*range, key);
    if (!at) return std::nullopt;
    std::string_view value = Classify(lines_[*at]).value;
    // The profile functions hand values over as C strings.
    value = value.substr(0, value.find('\0'));
    return std::string(value);
}

std::string ProfileFile::ReadString(std::string_view section, std::string_view key, std::string_view def) const
{
    const auto value = Find(section, key);
    return Limit(value ? *value : std::string(def));
}

int ProfileFile::ReadInt(std::string_view section, std::string_view key, int def) const
{
    const auto value = Find(section, key);
    if (!value || !StartsWithNumber(*value)) return def;
    return LeadingNumber(Limit(*value));
}

bool ProfileFile::IsStorableSection(std::string_view name)
{
    return !name.empty() && !HasControl(name) && !HasEdgeBlank(name) && name.find(']') == std::string_view::npos;
}

bool ProfileFile::IsStorableKey(std::string_view name)
{
    return !name.empty() && !HasControl(name) && !HasEdgeBlank(name) && name.find('=') == std::string_view::npos &&
           name.front() != '[' && name.front() != ';';
}

bool ProfileFile::IsStorableValue(std::string_view value)
{
    return value.find_first_of(std::string_view("\r\n\0", 3)) == std::string_view::npos;
}

bool ProfileFile::Write(std::string_view section, std::string_view key, std::string_view value)
{
    if (!IsStorableSection(section) || !IsStorableKey(key) || !IsStorableValue(value)) return false;
    const auto range = FindSection(section);
    if (!range) {
        if (!lines_.empty() && !Trim(lines_.back()).empty()) lines_.emplace_back();
        lines_.push_back("[" + std::string(section) + "]");
        lines_.push_back(std::string(key) + "=" + std::string(value));
        return true;
    }
    if (const auto at = FindKey(*range, key)) {
        // Keep the key as it is spelled in the file.
        const std::string name(Classify(lines_[*at]).name);
        lines_[*at] = name + "=" + std::string(value);
        return true;
    }
    // After the section's last non-blank line, so a blank line before the next section stays.
    std::size_t at = range->end;
    while (at > range->header + 1 && Trim(lines_[at - 1]).empty()) --at;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), std::string(key) + "=" + std::string(value));
    return true;
}

bool ProfileFile::DeleteSection(std::string_view section)
{
    bool deleted = false;
    while (const auto range = FindSection(section)) {
        lines_.erase(lines_.begin() + static_cast<std::ptrdiff_t>(range->header),
                     lines_.begin() + static_cast<std::ptrdiff_t>(range->end));
        deleted = true;
    }
    return deleted;
}

std::vector<std::string> ProfileFile::SectionNames() const
{
    std::vector<std::string> names;
    for (const auto& text : lines_) {
        const Line l = Classify(text);
        if (l.kind == Line::Header) names.emplace_back(l.name);
    }
    return names;
}

std::string ReadProfileString(const std::string& path, std::string_view section, std::string_view key,
                              std::string_view def)
{
    ProfileFile f;
    f.Load(path);
    return f.ReadString(section, key, def);
}

int ReadProfileInt(const std::string& path, std::string_view section, std::string_view key, int def)
{
    ProfileFile f;
    f.Load(path);
    return f.ReadInt(section, key, def);
}

bool WriteProfileString(const std::string& path, std::string_view section, std::string_view key,
                        std::string_view value)
{
    const FileLock lock(path);
    ProfileFile f;
    if (f.Load(path) == ProfileFile::LoadStatus::Unreadable) return false;
    return f.Write(section, key, value) && f.Save(path);
}

bool DeleteProfileSection(const std::string& path, std::string_view section)
{
    const FileLock lock(path);
    ProfileFile f;
    if (f.Load(path) == ProfileFile::LoadStatus::Unreadable) return false;
    if (!f.DeleteSection(section)) return true;  // nothing to delete: the file already says so
    return f.Save(path);
}

} // namespace tandrel
