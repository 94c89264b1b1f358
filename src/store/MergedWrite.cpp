#include "store/MergedWrite.h"

#include <algorithm>

#include "engine/Counts.h"
#include "engine/Numbers.h"

namespace tandrel {

namespace {

int ClampCount(long long n) { return static_cast<int>(std::clamp<long long>(n, 0, MaxGameCount)); }

// A count as the settings read it: missing or no number is 0.
int StoredCount(const ProfileFile& f, const std::string& section, const std::string& key)
{
    return ClampCount(f.ReadInt(section, key, 0));
}

} // namespace

std::string SyncedName(const std::string& section, const std::string& key)
{
    return FoldedProfileName(section) + "\n" + FoldedProfileName(key);
}

void RememberSynced(Game& g, const std::string& section, const KeyValues& values)
{
    for (const auto& [key, value] : values) g.Synced.keys[SyncedName(section, key)] = value;
}

MergedWrite::MergedWrite(Game& g)
    : g_(g), lock_(g.cfg.SettingsFile), readable_(file_.Load(g.cfg.SettingsFile) != ProfileFile::LoadStatus::Unreadable)
{
}

const std::string* MergedWrite::SyncedValue(const std::string& section, const std::string& key) const
{
    const auto it = g_.Synced.keys.find(SyncedName(section, key));
    return it == g_.Synced.keys.end() ? nullptr : &it->second;
}

void MergedWrite::Synced(const std::string& section, const std::string& key, const std::string& value)
{
    synced_.emplace_back(SyncedName(section, key), value);
}

bool MergedWrite::Set(const std::string& section, const std::string& key, const std::string& value)
{
    if (!file_.Write(section, key, value)) return false;
    Synced(section, key, value);
    return true;
}

bool MergedWrite::Put(const std::string& section, const std::string& key, const std::string& value)
{
    const std::string* synced = SyncedValue(section, key);
    if (synced && *synced == value && file_.Find(section, key)) return true; // unchanged here: theirs stays
    return Set(section, key, value);
}

bool MergedWrite::PutGroup(const std::string& section, const KeyValues& values)
{
    bool changed = false, clearing = true, theirsSince = false;
    for (const auto& [key, value] : values) {
        const std::string* synced = SyncedValue(section, key);
        changed |= !synced || *synced != value;
        clearing &= value.empty();
        theirsSince |= synced && file_.Find(section, key).value_or("") != *synced;
    }
    if (!changed || (clearing && theirsSince)) return true;
    bool ok = true;
    for (const auto& [key, value] : values) ok &= Set(section, key, value);
    return ok;
}

bool MergedWrite::AddCount(const std::string& section, const std::string& key, int& count)
{
    const std::string* synced = SyncedValue(section, key);
    const bool present = file_.Find(section, key).has_value();
    int total = count;
    if (synced && present) {
        const int since = count - LeadingNumber(*synced);
        total = ClampCount(static_cast<long long>(StoredCount(file_, section, key)) + since);
        if (since == 0) { // nothing counted here: the file's count stays as written
            totals_.emplace_back(&count, total);
            Synced(section, key, std::to_string(total));
            return true;
        }
    }
    totals_.emplace_back(&count, total);
    return Set(section, key, std::to_string(total));
}

bool MergedWrite::PutTotal(const std::string& section, const std::string& key, int& count, int total)
{
    totals_.emplace_back(&count, total);
    const std::string text = std::to_string(total);
    if (file_.Find(section, key) == text) { // as written: the file's text stays
        Synced(section, key, text);
        return true;
    }
    return Set(section, key, text);
}

int MergedWrite::FileCount(const std::string& section, const std::string& key) const
{
    return StoredCount(file_, section, key);
}

std::optional<int> MergedWrite::SyncedCount(const std::string& section, const std::string& key) const
{
    const std::string* synced = SyncedValue(section, key);
    if (!synced) return std::nullopt;
    return LeadingNumber(*synced);
}

bool MergedWrite::Commit()
{
    if (!readable_ || !file_.Save(g_.cfg.SettingsFile)) return false;
    for (auto& [name, value] : synced_) g_.Synced.keys[name] = std::move(value);
    for (const auto& [count, total] : totals_) *count = total;
    synced_.clear();
    totals_.clear();
    return true;
}

} // namespace tandrel
