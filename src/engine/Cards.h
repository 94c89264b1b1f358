#pragma once
// Card codes: 2..53 in four suit blocks of 13 (two .. king, ace last),
// 54/55 jokers, 56..65 card backs, plus two placeholder tops for piles.
// The card tests are inline: the rules and the computer ask them all the time.

namespace tandrel {

constexpr int NoCard = 0;
constexpr int EmptyPileCode = 100;
constexpr int TurnUpPending = -1;
constexpr int FirstBack = 56;
constexpr int LastBack = 65;

namespace detail {

constexpr int RankOf(int code)
{
    if (code <= 0) return 0;
    if (code == EmptyPileCode) return 14;
    const int r = code % 13;
    return r == 0 ? 13 : r; // remainder 1 reads as the ace
}

constexpr int ColorOf(int code)
{
    if ((code >= 15 && code <= 27) || (code >= 41 && code <= 53)) return 1;
    if ((code >= 2 && code <= 14) || (code >= 28 && code <= 40)) return 2;
    return 0;
}

// Rank and colour of every code up to 127, looked up rather than worked out.
struct Facts {
    signed char rank[128];
    signed char color[128];
};

constexpr Facts MakeFacts()
{
    Facts f{};
    for (int c = 0; c < 128; ++c) {
        f.rank[c] = static_cast<signed char>(RankOf(c));
        f.color[c] = static_cast<signed char>(ColorOf(c));
    }
    return f;
}

inline constexpr Facts facts = MakeFacts();

} // namespace detail

constexpr int CardRank(int code)
{
    return code >= 0 && code < 128 ? detail::facts.rank[code] : detail::RankOf(code);
}

// The colour as a number, 0 for anything that is not a card, 1 red, 2 black.
constexpr int ColorClass(int code)
{
    return code >= 0 && code < 128 ? detail::facts.color[code] : 0;
}


constexpr int CardSuit(int code)
{
    if (code >= 2 && code <= 14) return 1;
    if (code >= 41 && code <= 53) return 2;
    if (code >= 15 && code <= 27) return 3;
    if (code >= 28 && code <= 40) return 4;
    if (code == 54 || code == 55) return 5;
    return 0;
}

// The ace of a suit as a card code: 14, 53, 27, 40 for suits 1..4.
int AceOfSuit(int suit);

inline bool IsCard(int code) { return code >= 2 && code <= 53; }
// Colours differ as the colour names do: anything that is not a card has none.
inline bool OppositeColors(int a, int b) { return ColorClass(a) != ColorClass(b); }

} // namespace tandrel
