#include "engine/Cards.h"

namespace tandrel {

int CardRank(int code)
{
    if (code <= 0) return 0;
    if (code == EmptyPileCode) return 14;
    const int r = code % 13;
    if (r == 0) return 13;
    return r; // remainder 1 reads as the ace
}

std::string_view CardColor(int code)
{
    if ((code >= 15 && code <= 27) || (code >= 41 && code <= 53)) return "Red ";
    if ((code >= 2 && code <= 14) || (code >= 28 && code <= 40)) return "Black ";
    return "";
}

int CardSuit(int code)
{
    if (code >= 2 && code <= 14) return 1;
    if (code >= 41 && code <= 53) return 2;
    if (code >= 15 && code <= 27) return 3;
    if (code >= 28 && code <= 40) return 4;
    if (code == 54 || code == 55) return 5;
    return 0;
}

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
