#pragma once
// One game in progress: the state both sides play on, the current player's
// settings, and the few move globals the rules and the mouse share. The main
// window owns one Game; tests make as many as they like.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/Bounded.h"
#include "engine/Cards.h"
#include "engine/Counts.h"
#include "engine/Layout.h"
#include "engine/MoveValue.h"
#include "engine/Rect.h"
#include "engine/Settings.h"
#include "engine/TableView.h"
#include "engine/UndoStep.h"

namespace tandrel {

constexpr const char* ProgramTitle = "Tandrel";

inline int OtherSide(int side) { return side == 1 ? 2 : 1; }

// The table's bounds: four tableau piles and four foundations; a pile holds at
// most twelve face-up cards (a king down to a two); a hand's stock and waste
// each have a slot for every card that can come to them.
constexpr int PileCount = 4;
constexpr int FoundationCount = 4;
constexpr int PileSlots = 12;
constexpr int HandSlots = 42;

struct Game;

// What the rules ask of the world outside the table. The program wires both;
// a test wires what it needs, and an empty hook does nothing.
struct GameHooks {
    std::function<void(Game&)> GamesDealtChanged; // keep the count across restarts
    std::function<void(Game&)> ClearSnapshot;     // a new game empties the stored snapshot
};

// What this copy of the program last read from or wrote to its files, kept by
// the store: a write changes only what this copy changed since, so another copy
// or a hand edit in the meantime is not undone.
struct SyncedValues {
    std::map<std::string, std::string> keys; // settings file, "section\nkey" in lower case
    std::optional<int> gamesDealt;
};

// The cards on the table and the counters the moves change: all a player's
// move can alter, so that a copy of it taken before the move takes it back.
struct TableCards {
    // Per side (1 player, 2 computer).
    Bounded2<int, 1, 2, 1, HandSlots> Stock;
    Bounded2<int, 1, 2, 1, HandSlots> Waste;
    Bounded<int, 1, 2> StockPos;
    Bounded<int, 1, 2> StockLevel;
    Bounded<bool, 1, 2> StockEmpty;
    Bounded<int, 1, 2> StockPasses;
    Bounded<int, 1, 2> WasteCount;
    Bounded<int, 1, 2> WasteFan;

    // Shared piles.
    Bounded2<int, 1, FoundationCount, 1, 2> Foundation; // (f,1) suit, (f,2) top (an ace as code - 13)
    Bounded2<int, 1, PileCount, 1, PileSlots> Tableau;  // face-up cards, bottom first
    Bounded<int, 1, PileCount> TableauFaceDown;
    Bounded<int, 2, 53> Deck;

    int FlippedCard = 0;
    int FlipsThisTurn = 0;                  // the player's flips since the computer last took the turn
    std::optional<UndoStep> Undo;           // what takes the player's last move back (the saved record's)
};

// A move of the player's turn with the table as it found it.
struct PlayerStep {
    Move move;
    TableCards before;
};

// The player's moves of the turn in hand, to take back one at a time (Undo)
// and put back (Redo) until a new move is made. The computer's turn, a
// turned-up card, an ace on a foundation and a new or restored game close it.
struct TurnHistory {
    std::vector<PlayerStep> done;   // oldest first
    std::vector<Move> undone;       // the last taken back at the end
    void Clear() { done.clear(), undone.clear(); }
};

struct Game : TableCards {
    explicit Game(TableView& v) : view(&v) {}

    std::string DealString;
    int GamesDealt = 0;
    std::string GamesDealtFile;             // where the count survives restarts; empty: not kept
    bool GameOver = true;                   // nothing acts until a game is dealt
    bool ComputerBusy = false;
    bool FlipInProgress = false;
    int LastWinner = 1;
    int ComputerTurnsPlayed = 0;            // the program keeps the game each time the turn comes back
    int Wins = 0;
    int Losses = 0;
    Statistics Stats;                       // the figures by level and the winning streaks
    TurnHistory History;
    bool KeepsHistory = true;               // false for a look-ahead's copy, which never takes a move back

    // Kept for the saved game's record, which holds them: the last run lifted
    // (by the mouse or the computer) and a card in hand (none once a move is over).
    int PickFirst = 0;
    int PickLast = 0;
    int PickPile = 0;
    int DragCard = 0;

    bool SnapshotTaken = false;
    int CardSoundIndex = 4;

    Settings cfg;
    SyncedValues Synced;
    TableView* view;
    GameHooks hooks;
};

// Face-up cards on pile p; they fill its slots from 1, so this is also the slot of its top card.
inline int FaceUpCount(const Game& g, int p)
{
    const int* slot = g.Tableau.row(p); // the rules ask this all the time: no check per slot
    int n = 0;
    while (n < PileSlots && slot[n] != 0) ++n;
    return n;
}

// Pile p's top: its last face-up card, the back waiting to be turned up, or the empty place.
inline int PileTop(const Game& g, int p)
{
    const int n = FaceUpCount(g, p);
    return n > 0 ? g.Tableau(p, n) : g.TableauFaceDown(p) > 0 ? TurnUpPending : EmptyPileCode;
}

// Where that top lies on the table; an empty pile's place is one step above
// the first card, so that a card laid on it lands at TableauY.
inline int PileTopY(const Game& g, int p)
{
    const int n = FaceUpCount(g, p), fd = g.TableauFaceDown(p);
    return n > 0 ? FaceUpY(fd, n) : fd > 0 ? FaceDownY(fd) : EmptyPileY;
}

// Cards in the side's waste.
inline int WasteCards(const Game& g, int side)
{
    const int* slot = g.Waste.row(side);
    int n = 0;
    for (int k = 0; k < HandSlots; ++k) n += slot[k] != 0;
    return n;
}

// Cards the side still holds, stock and waste: a side with none has won.
inline int CardsLeft(const Game& g, int side)
{
    const int* slot = g.Stock.row(side);
    int n = WasteCards(g, side);
    for (int k = 0; k < HandSlots; ++k) n += slot[k] != 0;
    return n;
}

} // namespace tandrel
