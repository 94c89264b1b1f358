#include "app/Demo.h"

#include <QCoreApplication>

#include "app/InputGate.h"
#include "app/PlayAids.h"
#include "app/ProgramExit.h"
#include "engine/Standstill.h"
#include "engine/TurnRules.h"
#include "show/NewGame.h"
#include "show/Turns.h"

namespace tandrel {

namespace {

constexpr int WaitStepMs = 100;

// Both sides by the Master, turn about, until the game ends, stands still or the player stops it.
void PlayBothSides(Game& g, const std::function<bool()>& stopped)
{
    StandstillWatch still;
    for (int side = 1; !g.GameOver && !stopped() && !still.Update(g); side = OtherSide(side))
        if (MayStartTurn(g, side)) ComputerTurn(g, side, stopped);
}

} // namespace

void PlayDemo(Game& g, InputGate& gate, ProgramExit& exit, PlayAids& aids, const MouseState& mouse)
{
    const Game kept = g;
    exit.SetGameAside(&kept);
    g.hooks = {}; // the deal is counted nowhere and empties no stored snapshot
    g.GamesDealt = -1; // a shuffled deal, never one of the first games the player is yet to be dealt
    g.cfg.ComputerLevel = Level::Master;
    g.LastWinner = 1;
    gate.WatchForStop(true);
    aids.ShowNotice(QCoreApplication::translate("Demo", "Demo: any key or click"),
                    QCoreApplication::translate("Demo", "brings your game back."));
    aids.Refresh(g, mouse);
    const auto stopped = [&gate] { return gate.StopAsked(); };
    NewGame(g, true);
    PlayBothSides(g, stopped);
    // The end of the demo game stays in view until the player turns away, with the player's own counts.
    if (g.GameOver) {
        g.Wins = kept.Wins, g.Losses = kept.Losses, g.Stats = kept.Stats;
        g.view->ScoreBoard(true);
    }
    while (!stopped()) Pause(g, WaitStepMs);
    gate.WatchForStop(false);
    aids.ShowNotice({}, {});
    // The game comes back; the settings stay as they are now (the music may have gone meanwhile).
    Settings cfg = g.cfg;
    SyncedValues synced = std::move(g.Synced);
    cfg.ComputerLevel = kept.cfg.ComputerLevel;
    g = kept;
    g.cfg = std::move(cfg);
    g.Synced = std::move(synced);
    exit.SetGameAside(nullptr);
    g.view->ScoreBoard(true);
    g.view->StatusPanel(false);
    g.view->RedrawTable();
}

} // namespace tandrel
