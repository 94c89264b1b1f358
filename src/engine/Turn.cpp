#include "engine/Turn.h"

#include <string>

#include "engine/Cards.h"
#include "engine/Counts.h"
#include "engine/Deal.h"
#include "engine/PlaySound.h"
#include "engine/Slide.h"

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

void TurnUpPile(Game& g, int p)
{
    const int fd = g.TableauFaceDown(p);
    if (fd < 1 || g.TableauTop(p, TopCard) != TurnUpPending) return;
    const int x = PileX(p), y = FaceDownY(fd);

    TableView& v = *g.view;
    v.SnapshotTable();
    const int card = FaceDownCard(g, p);
    v.DrawCard(Surface::Window, x - TurnUpLift, y - TurnUpLift, card);
    Pause(g, 50);
    v.ShowTableBuffer();
    v.ReleaseBuffers();
    v.DrawCard(Surface::Window, x, y, card);
    v.ScoreBoard(false);

    g.Undo.reset();
    g.TableauTop(p, TopCard) = card;
    g.TableauTop(p, TopY) = y;
    g.Tableau(p, 1) = card;
    --g.TableauFaceDown(p);
    PlayCardSound(g);
}

bool CheckGameOver(Game& g, int side)
{
    if (g.GameOver) return true;
    if (!HandPlayedOut(g, side)) return false;

    g.view->DoEvents();
    g.view->ShowHandAtEnd(side);
    g.LastWinner = side;
    // The winning move stays made: once a game is over there is nothing to undo.
    g.Undo.reset();
    if (side == 2) {
        g.Losses = CountOneMore(g.Losses);
        PlaySound(g, 1);
    } else {
        PlaySound(g, 0);
        g.Wins = CountOneMore(g.Wins);
    }
    g.ComputerBusy = false;
    g.view->ScoreBoard(true);
    g.view->StatusPanel(true);
    return true;
}

} // namespace tandrel
