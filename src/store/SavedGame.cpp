#include "store/SavedGame.h"

#include <algorithm>
#include <array>

#include "engine/Cards.h"
#include "engine/Deal.h"
#include "engine/Numbers.h"
#include "engine/Position.h"
#include "store/UndoRecord.h"
#include "store/Profile.h"
#include "store/SettingsFile.h"

namespace tandrel {

namespace {

std::string FormatTwo(int value) { return Digits(std::clamp(value, 0, 99), 2); }

int AsInteger(bool b) { return b ? -1 : 0; }

std::string Key(const std::string& prefix, int n) { return prefix + std::to_string(n); }

// The nine records in the order of their keys (index 0 is record 1).
std::array<std::string, 9> BuildRecords(const Game& g)
{
    std::array<std::string, 9> r;
    for (int s = 1; s <= 2; ++s) {
        r[0] += FormatThree(g.StockLevel(s)) + FormatThree(AsInteger(g.StockEmpty(s))) + FormatThree(g.StockPos(s)) +
                FormatThree(g.WasteFan(s)) + FormatThree(g.StockPasses(s)) + FormatThree(WasteCards(g, s)) +
                FormatThree(g.WasteCount(s));
    }
    r[0] += FormatThree(AsInteger(g.GameOver)) + FormatThree(g.cfg.FlipNum) + FormatThree(g.PickFirst) +
            FormatThree(g.PickLast) + FormatThree(g.PickPile) + FormatThree(g.DragCard);
    r[1] = g.Undo ? RecordOf(*g.Undo) : std::string();
    for (int i = 2; i <= 53; ++i) r[2] += FormatTwo(g.Deck(i));
    for (int f = 1; f <= FoundationCount; ++f)
        for (int c = 1; c <= 2; ++c) r[3] += FormatTwo(g.Foundation(f, c));
    for (int p = 1; p <= PileCount; ++p) r[4] += FormatTwo(g.TableauFaceDown(p));
    for (int p = 1; p <= PileCount; ++p)
        for (int k = 1; k <= PileSlots; ++k) r[5] += FormatTwo(g.Tableau(p, k));
    for (int p = 1; p <= PileCount; ++p) r[6] += FormatThree(PileTop(g, p)) + FormatThree(PileX(p)) + FormatThree(PileTopY(g, p));
    for (int s = 1; s <= 2; ++s)
        for (int k = 1; k <= HandSlots; ++k) r[7] += FormatTwo(g.Stock(s, k));
    for (int s = 1; s <= 2; ++s)
        for (int k = 1; k <= HandSlots; ++k) r[8] += FormatTwo(g.Waste(s, k));
    return r;
}

// A stored Boolean: 0 or -1 (True), nothing else.
bool ReadFlag(std::string& rec, bool& flag)
{
    const int v = TakeNumber(rec, 3);
    flag = v != 0;
    return v == 0 || v == -1;
}

bool InRange(int v, int lo, int hi) { return v >= lo && v <= hi; }

// The record keeps each pile's top card and where it lies, which follow from
// the pile: they must agree with it. Games written by older copies keep a run's
// waiting back 5 pixels lower; the back is drawn from the count either way.
bool PileTopFits(const Game& g, int p, std::string& rec)
{
    const int top = TakeNumber(rec, 3), x = TakeNumber(rec, 3), y = TakeNumber(rec, 3);
    const int fd = g.TableauFaceDown(p);
    const bool olderWait = top == TurnUpPending && FaceUpCount(g, p) == 0 && fd > 0 && y == FaceUpY(fd, 1);
    return top == PileTop(g, p) && x == PileX(p) && (y == PileTopY(g, p) || olderWait);
}

// Reads records 1 and 3..9 into g; false when a field of record 1, or a
// position of the deck, is out of its range. Everything the records hold is written, missing parts as 0.
bool ReadRecords(const ProfileFile& f, const std::string& section, const std::string& prefix, Game& g)
{
    std::string rec = f.ReadString(section, Key(prefix, 1), "");
    bool ok = true;
    int wasteCards[3] = {};
    for (int s = 1; s <= 2; ++s) {
        g.StockLevel(s) = TakeNumber(rec, 3);
        ok &= ReadFlag(rec, g.StockEmpty(s));
        g.StockPos(s) = TakeNumber(rec, 3);
        g.WasteFan(s) = TakeNumber(rec, 3);
        g.StockPasses(s) = TakeNumber(rec, 3);
        wasteCards[s] = TakeNumber(rec, 3);
        g.WasteCount(s) = TakeNumber(rec, 3);
    }
    ok &= ReadFlag(rec, g.GameOver);
    g.cfg.FlipNum = TakeNumber(rec, 3);
    g.PickFirst = TakeNumber(rec, 3);
    g.PickLast = TakeNumber(rec, 3);
    g.PickPile = TakeNumber(rec, 3);
    g.DragCard = TakeNumber(rec, 3);
    ok &= InRange(g.cfg.FlipNum, 1, 3) && InRange(g.PickFirst, 0, PileSlots) &&
          InRange(g.PickLast, 0, PileSlots) && InRange(g.PickPile, 0, PileCount) &&
          (g.DragCard == 0 || IsCard(g.DragCard));

    rec = f.ReadString(section, Key(prefix, 3), "");
    // Positions already dealt keep 0 or the code of a card turned up since; nothing else.
    for (int i = 2; i <= 53; ++i) {
        g.Deck(i) = TakeNumber(rec, 2);
        ok &= g.Deck(i) == 0 || IsCard(g.Deck(i));
    }
    rec = f.ReadString(section, Key(prefix, 4), "");
    for (int fd = 1; fd <= FoundationCount; ++fd)
        for (int c = 1; c <= 2; ++c) g.Foundation(fd, c) = TakeNumber(rec, 2);
    rec = f.ReadString(section, Key(prefix, 5), "");
    for (int p = 1; p <= PileCount; ++p) g.TableauFaceDown(p) = TakeNumber(rec, 2);
    rec = f.ReadString(section, Key(prefix, 6), "");
    for (int p = 1; p <= PileCount; ++p)
        for (int k = 1; k <= PileSlots; ++k) g.Tableau(p, k) = TakeNumber(rec, 2);
    rec = f.ReadString(section, Key(prefix, 7), "");
    for (int p = 1; p <= PileCount; ++p) ok &= PileTopFits(g, p, rec);

    rec = f.ReadString(section, Key(prefix, 8), "");
    for (int s = 1; s <= 2; ++s)
        for (int k = 1; k <= HandSlots; ++k) g.Stock(s, k) = TakeNumber(rec, 2);
    rec = f.ReadString(section, Key(prefix, 9), "");
    for (int s = 1; s <= 2; ++s)
        for (int k = 1; k <= HandSlots; ++k) g.Waste(s, k) = TakeNumber(rec, 2);
    // The record keeps each waste's count, which follows from the waste: they must agree.
    for (int s = 1; s <= 2; ++s) ok &= wasteCards[s] == WasteCards(g, s);
    return ok;
}

} // namespace

std::string FormatThree(int value) { return Digits(std::clamp(value, -99, 999), 3); }

bool WriteGame(MergedWrite& w, const Game& g, const std::string& prefix)
{
    if (g.GameOver) return WriteClearedGame(w, g, prefix);
    const auto records = BuildRecords(g);
    KeyValues keys;
    for (int n = 1; n <= 9; ++n) keys.emplace_back(Key(prefix, n), records[n - 1]);
    return w.PutGroup(g.cfg.CurrentPlayer, keys);
}

bool WriteClearedGame(MergedWrite& w, const Game& g, const std::string& prefix)
{
    KeyValues keys;
    for (int n = 1; n <= 11; ++n) keys.emplace_back(Key(prefix, n), "");
    return w.PutGroup(g.cfg.CurrentPlayer, keys);
}

bool SaveGame(Game& g, const std::string& prefix)
{
    MergedWrite w(g);
    const bool written = WriteGame(w, g, prefix);
    return written && w.Commit();
}

bool ClearGame(Game& g, const std::string& prefix)
{
    MergedWrite w(g);
    const bool written = WriteClearedGame(w, g, prefix);
    return written && w.Commit();
}

KeyValues StoredRecords(const ProfileFile& f, const std::string& section, const std::string& prefix)
{
    KeyValues records;
    for (int n = 1; n <= 11; ++n) records.emplace_back(Key(prefix, n), f.Find(section, Key(prefix, n)).value_or(""));
    return records;
}

bool StoreOnExit(Game& g)
{
    MergedWrite w(g);
    bool written = w.Put("Options", "Player", g.cfg.CurrentPlayer);
    if (g.cfg.AutoSave) written &= WriteGame(w, g, "Save");
    written &= WriteSettings(w, g);
    return w.Commit() && written;
}

bool RestoreGame(Game& g, const std::string& prefix)
{
    g.FlippedCard = 0;
    ProfileFile f;
    f.Load(g.cfg.SettingsFile);
    const std::string& section = g.cfg.CurrentPlayer;

    // Read into a copy, so a damaged record never leaves a half-restored game.
    Game stored = g;
    const bool sound = !f.ReadString(section, Key(prefix, 1), "").empty() &&
                       ReadRecords(f, section, prefix, stored) && CheckPosition(stored);
    if (!sound) return false;
    RememberSynced(stored, section, StoredRecords(f, section, prefix));
    stored.History.Clear(); // the moves of the turn in hand belong to the table being replaced
    stored.Undo = ParseUndoRecord(f.ReadString(section, Key(prefix, 2), ""));
    if (!UndoFits(stored)) stored.Undo.reset();
    stored.FlippedCard = 0;
    stored.FlipsThisTurn = 0; // the record keeps no flips: a restored turn asks for one
    stored.GameOver = false;
    g = stored;
    return true;
}

void ClearStoredSnapshot(Game& g)
{
    ClearGame(g, "Snap");
}

} // namespace tandrel
