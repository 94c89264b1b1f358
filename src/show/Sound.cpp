#include "show/Sound.h"

namespace tandrel {

void PlaySound(Game& g, int index)
{
    if (!g.cfg.SoundOn) return;
    if (index >= 4 && index <= 9) {
        ++g.CardSoundIndex;
        if (g.CardSoundIndex < 4 || g.CardSoundIndex > 9) g.CardSoundIndex = 4;
        index = g.CardSoundIndex;
    }
    g.view->PlayWave(index);
}

} // namespace tandrel
