#include "store/GamesDealt.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/Game.h"
#include "store/AtomicFile.h"
#include "store/FileLock.h"

namespace tandrel {

int LoadGamesDealt(const std::string& path)
{
    if (path.empty()) return 0;
    std::string text;
    if (ReadWholeFile(path, text) != ReadStatus::Read) return 0;
    // Only a plain decimal count is trusted; anything else starts the preset deals again.
    const std::size_t end = text.find_last_not_of(" \t\r\n");
    text.erase(end == std::string::npos ? 0 : end + 1);
    if (text.empty() || text.size() > 10) return 0;
    for (char c : text)
        if (c < '0' || c > '9') return 0;
    // The game counts in 16 bits and stops at the top; so does the stored count.
    const long long n = std::strtoll(text.c_str(), nullptr, 10);
    return n > MaxGamesDealt ? MaxGamesDealt : static_cast<int>(n);
}

bool StoreGamesDealt(const std::string& path, int n)
{
    if (path.empty() || n < 0) return false;
    return WriteFileAtomically(path, std::to_string(n) + "\n");
}

void KeepGamesDealt(Game& g)
{
    if (g.GamesDealtFile.empty()) return;
    const FileLock lock(g.GamesDealtFile);
    // Every copy adds its own deals to the count in the file.
    int total = g.GamesDealt;
    if (g.Synced.gamesDealt) {
        const long long since = g.GamesDealt - *g.Synced.gamesDealt;
        total = static_cast<int>(std::clamp<long long>(LoadGamesDealt(g.GamesDealtFile) + since, 0, MaxGamesDealt));
    }
    if (!StoreGamesDealt(g.GamesDealtFile, total)) return;
    g.GamesDealt = total;
    g.Synced.gamesDealt = total;
}

} // namespace tandrel
