#pragma once
// One write of the settings file that keeps what others wrote since this copy
// last looked. Under the file's lock the file is read again, and only what
// this copy changed since it last read or wrote a key goes in (Game::Synced
// remembers those values):
//
// - a setting: written when its value differs from the one last synced, or the
//   file lacks the key; otherwise the file's value stays (the last writer of a
//   key wins);
// - a count (Win, Loss): the file's count plus what this copy counted since its
//   last write; memory then holds the total, so the score board shows the truth;
//   a figure that follows from counts (a streak) is worked out by the caller from
//   the file's value and this copy's, and written the same way (PutTotal);
// - a group of keys that hold one thing (a game record): all written or none,
//   so a record is never half one copy's and half another's. Emptying a record
//   is left undone when the file holds another writer's record since.
//
// A key this copy never synced is written as it stands.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "engine/Game.h"
#include "store/FileLock.h"
#include "store/Profile.h"

namespace tandrel {

using KeyValues = std::vector<std::pair<std::string, std::string>>;

class MergedWrite {
public:
    explicit MergedWrite(Game& g);

    // False when the file is there but cannot be read: it is then never replaced.
    bool Readable() const { return readable_; }
    const ProfileFile& File() const { return file_; }

    // Each returns false when a value could not be stored (the others still are).
    bool Put(const std::string& section, const std::string& key, const std::string& value);
    bool PutGroup(const std::string& section, const KeyValues& values);
    bool AddCount(const std::string& section, const std::string& key, int& count);
    // The caller's total for a count: written unless the file holds it already;
    // memory takes it on commit.
    bool PutTotal(const std::string& section, const std::string& key, int& count, int total);
    // A count as the file holds it now (missing or no number: 0), and as this
    // copy last synced it (none when never).
    int FileCount(const std::string& section, const std::string& key) const;
    std::optional<int> SyncedCount(const std::string& section, const std::string& key) const;
    // A change the player asked for just now: written whatever the file holds.
    bool Set(const std::string& section, const std::string& key, const std::string& value);
    bool DeleteSection(const std::string& section) { return file_.DeleteSection(section); }

    // Saves the file; only then does memory take the merged counts and the
    // written values become the synced ones. False when it did not reach the disk.
    bool Commit();

private:
    const std::string* SyncedValue(const std::string& section, const std::string& key) const;
    void Synced(const std::string& section, const std::string& key, const std::string& value);

    Game& g_;
    FileLock lock_;
    ProfileFile file_;
    bool readable_;
    KeyValues synced_;                      // applied on commit
    std::vector<std::pair<int*, int>> totals_;
};

// The name a key is remembered under in Game::Synced.
std::string SyncedName(const std::string& section, const std::string& key);

// Remembers the file's values for keys this copy has just read.
void RememberSynced(Game& g, const std::string& section, const KeyValues& values);

} // namespace tandrel
