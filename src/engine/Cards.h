#pragma once
// Card codes: 2..53 in four suit blocks of 13 (two .. king, ace last),
// 54/55 jokers, 56..65 card backs, plus two placeholder tops for piles.
#include <string_view>

namespace tandrel {

constexpr int NoCard = 0;
constexpr int EmptyPileCode = 100;
constexpr int TurnUpPending = -1;
constexpr int FirstBack = 56;
constexpr int LastBack = 65;

int CardRank(int code);
std::string_view CardColor(int code);
int CardSuit(int code);

// The ace of a suit as a card code: 14, 53, 27, 40 for suits 1..4.
int AceOfSuit(int suit);

inline bool IsCard(int code) { return code >= 2 && code <= 53; }
inline bool OppositeColors(int a, int b) { return CardColor(a) != CardColor(b); }

} // namespace tandrel
