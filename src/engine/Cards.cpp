#include "engine/Cards.h"

namespace tandrel {

int AceOfSuit(int suit)
{
    switch (suit) {
    case 1: return 14;
    case 2: return 53;
    case 3: return 27;
    case 4: return 40;
    default: return 0;
    }
}

} // namespace tandrel
