#include "store/Statistics.h"

#include <algorithm>

#include "engine/Counts.h"
#include "store/Players.h"

namespace tandrel {

namespace {

constexpr const char* StreakKey = "Streak";
constexpr const char* LongestKey = "LongestStreak";

int Clamped(long long n) { return static_cast<int>(std::clamp<long long>(n, 0, MaxGameCount)); }

// A missing key that is still zero stays missing: an older file keeps its form.
bool AddFigure(MergedWrite& w, const std::string& section, const std::string& key, int& count)
{
    if (count == 0 && !w.File().Find(section, key)) return true;
    return w.AddCount(section, key, count);
}

bool PutFigure(MergedWrite& w, const std::string& section, const std::string& key, int& count, int total)
{
    if (total == 0 && !w.File().Find(section, key)) return true;
    return w.PutTotal(section, key, count, total);
}

bool WriteStreaks(MergedWrite& w, Game& g)
{
    const std::string& s = g.cfg.CurrentPlayer;
    Statistics& st = g.Stats;
    const std::optional<int> syncedLoss = w.SyncedCount(s, "Loss");
    const bool lostHere = syncedLoss && g.Losses > *syncedLoss;

    // Only wins here since the last write: they go on from the file's streak.
    int streak = st.Streak;
    const std::optional<int> syncedStreak = w.SyncedCount(s, StreakKey);
    if (syncedStreak && w.File().Find(s, StreakKey) && !lostHere)
        streak = Clamped(static_cast<long long>(w.FileCount(s, StreakKey)) + st.Streak - *syncedStreak);

    // A record this copy set before its last loss counts too; one set on a
    // streak the file no longer holds (reset elsewhere) does not.
    int longest = std::max(w.FileCount(s, LongestKey), streak);
    const std::optional<int> syncedLongest = w.SyncedCount(s, LongestKey);
    const bool recordHere = !syncedLongest || st.LongestStreak != *syncedLongest;
    if (!w.File().Find(s, LongestKey) || (lostHere && recordHere)) longest = std::max(longest, st.LongestStreak);

    bool ok = PutFigure(w, s, StreakKey, st.Streak, streak);
    ok &= PutFigure(w, s, LongestKey, st.LongestStreak, longest);
    return ok;
}

} // namespace

std::string WinKey(std::size_t level) { return "Win" + std::to_string(level); }
std::string LossKey(std::size_t level) { return "Loss" + std::to_string(level); }

int ReadCount(const ProfileFile& f, const std::string& section, const std::string& key)
{
    return Clamped(f.ReadInt(section, key, 0));
}

Statistics ReadStatistics(const ProfileFile& f, const std::string& section)
{
    Statistics st;
    for (std::size_t i = 0; i < LevelCount; ++i) {
        st.WinsAt[i] = ReadCount(f, section, WinKey(i));
        st.LossesAt[i] = ReadCount(f, section, LossKey(i));
    }
    st.Streak = ReadCount(f, section, StreakKey);
    st.LongestStreak = std::max(ReadCount(f, section, LongestKey), st.Streak);
    return st;
}

KeyValues StatisticsValues(const Statistics& st)
{
    KeyValues values;
    for (std::size_t i = 0; i < LevelCount; ++i) {
        values.emplace_back(WinKey(i), std::to_string(st.WinsAt[i]));
        values.emplace_back(LossKey(i), std::to_string(st.LossesAt[i]));
    }
    values.emplace_back(StreakKey, std::to_string(st.Streak));
    values.emplace_back(LongestKey, std::to_string(st.LongestStreak));
    return values;
}

bool WriteStatistics(MergedWrite& w, Game& g)
{
    const std::string& s = g.cfg.CurrentPlayer;
    bool ok = true;
    for (std::size_t i = 0; i < LevelCount; ++i) {
        ok &= AddFigure(w, s, WinKey(i), g.Stats.WinsAt[i]);
        ok &= AddFigure(w, s, LossKey(i), g.Stats.LossesAt[i]);
    }
    return WriteStreaks(w, g) && ok;
}

bool ResetStatistics(Game& g)
{
    const std::string& s = g.cfg.CurrentPlayer;
    MergedWrite w(g);
    bool ok = w.Readable() && w.Set(s, "Win", "0") && w.Set(s, "Loss", "0");
    // A figure the file lacks already reads as zero.
    for (const auto& [key, zero] : StatisticsValues(Statistics{}))
        if (w.File().Find(s, key)) ok = ok && w.Set(s, key, zero);
    if (!ok || !w.Commit()) return false;
    g.Wins = g.Losses = 0;
    g.Stats = {};
    return true;
}

FiguresTable AllPlayersFigures(const Game& g)
{
    const std::string& current = g.cfg.CurrentPlayer;
    FiguresTable table;
    ProfileFile f;
    f.Load(g.cfg.SettingsFile);
    for (const std::string& name : ListPlayers(g.cfg.SettingsFile, current).names) {
        if (name == current && table.current < 0) {
            table.current = static_cast<int>(table.players.size());
            table.players.push_back({name, g.Wins, g.Losses, g.Stats});
        } else {
            table.players.push_back({name, ReadCount(f, name, "Win"), ReadCount(f, name, "Loss"), ReadStatistics(f, name)});
        }
    }
    if (table.current < 0) {
        table.current = static_cast<int>(table.players.size());
        table.players.push_back({current, g.Wins, g.Losses, g.Stats});
    }
    return table;
}

} // namespace tandrel
