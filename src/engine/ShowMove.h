#pragma once
// How every single-card move the rules choose for themselves appears on the
// table (the computer's, and the waste plays of the player's right-click): the
// card is lifted from its source, slides, and lands, with the table buffer
// hiding the frames. Kept in one place so that all of them look and sound alike.
#include "engine/Game.h"
#include "engine/PlaySound.h"
#include "engine/Slide.h"
#include "engine/Turn.h"

namespace tandrel {

struct Place {
    int x = 0, y = 0;
};

inline Place WasteTopPlace(const Game& g, int side) { return {WasteTopX(g, side), HandRowY(side)}; }
inline Place FoundationPlace(int f) { return {FoundationX(f), FoundationY}; }

// liftFrom: where the drag image is captured. takeOff() takes the card off its
// source in the state, repaints the source in the table buffer and returns
// where the slide starts. putOn() puts the card on its target in the state,
// before the score board reads it. drawAt: where the card lands on the window.
template <class TakeOff, class PutOn>
void ShowComputerMove(Game& g, int card, Place liftFrom, TakeOff&& takeOff, Place slideTo, Place drawAt,
                      PutOn&& putOn)
{
    TableView& v = *g.view;
    if (!v.HasTableBuffer()) v.SnapshotTable();
    v.CaptureDragImage(liftFrom.x, liftFrom.y, OneCardDragWidth, OneCardDragHeight);
    g.DragWidth = OneCardDragWidth;
    g.DragHeight = OneCardDragHeight;
    const Place start = takeOff();
    float x = static_cast<float>(start.x), y = static_cast<float>(start.y);
    AnimateMove(g, x, y, static_cast<float>(slideTo.x), static_cast<float>(slideTo.y));
    Pause(g, 20);
    putOn();
    v.ShowTableBuffer();
    v.DrawCard(Surface::Window, drawAt.x, drawAt.y, card);
    PlayCardSound(g);
    v.ScoreBoard(false);
    v.ReleaseBuffers();
}

} // namespace tandrel
