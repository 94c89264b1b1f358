#include "show/Turns.h"

#include "engine/Texts.h"
#include "engine/TurnRules.h"
#include "opponent/ComputerPlan.h"
#include "show/ShowMoves.h"
#include "show/Speech.h"

namespace tandrel {

void Pause(Game& g, int ms)
{
    g.view->Pause(ms);
}

void ComputerPause(Game& g)
{
    Pause(g, g.cfg.PlaySpeed + 250);
}

void ShowInfo(Game& g, const std::string& text)
{
    g.view->ShowMessage(text, MsgIcon::Information, MsgButtons::Ok, ProgramTitle);
}

void ComputerTurn(Game& g, int side, const std::function<bool()>& stopped)
{
    if (g.GameOver) return;
    if (!MayStartTurn(g, side)) {
        if (side == 2) ShowInfo(g, Translate("Turns", "You need to flip a card first."));
        return;
    }
    BeginTurn(g, side);
    // A demo's turns (those that can be stopped) are not the player's to be told.
    const bool told = !stopped;
    if (told) g.view->Say(TurnWords(side));
    g.ComputerBusy = true;
    g.view->StatusPanel(false);
    ComputerPlan plan(g, side);
    while (const std::optional<ComputerStep> step = plan.Next()) {
        if (step->kind == ComputerStep::Kind::Pause) ComputerPause(g);
        else PlayShown(g, step->move);
        if (stopped && stopped()) break;
    }
    g.ComputerBusy = false;
    FinishTurn(g, side);
    g.view->StatusPanel(false);
    if (told && !g.GameOver) g.view->Say(TurnWords(3 - side));
}

} // namespace tandrel
