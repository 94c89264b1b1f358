#include <gtest/gtest.h>

#include "engine/Bounded.h"
#include "engine/Cards.h"

using namespace tandrel;

TEST(Cards, RankSuitAndColourOfCodesAndPlaceholders)
{
    // Ranks read the ace low; the empty pile ranks above the king.
    const std::pair<int, int> ranks[] = {{14, 1}, {13, 13}, {2, 2},    {26, 13}, {27, 1},
                                         {11, 11}, {100, 14}, {0, 0}, {-1, 0}};
    for (const auto& [code, rank] : ranks) EXPECT_EQ(CardRank(code), rank) << code;
    const std::pair<int, int> suits[] = {{2, 1}, {15, 3}, {40, 4}, {41, 2}, {55, 5}, {56, 0}, {1, 0}};
    for (const auto& [code, suit] : suits) EXPECT_EQ(CardSuit(code), suit) << code;
    for (int suit = 1; suit <= 4; ++suit) EXPECT_EQ(CardSuit(AceOfSuit(suit)), suit);
    // 1 red, 2 black, 0 for anything that is not a card.
    const std::pair<int, int> colours[] = {{27, 1}, {41, 1}, {28, 2}, {14, 2}, {54, 0}, {100, 0}};
    for (const auto& [code, colour] : colours) EXPECT_EQ(ColorClass(code), colour) << code;
    // An empty pile's "colour" differs from both, so any king may go there.
    EXPECT_TRUE(OppositeColors(13, 100));
    EXPECT_TRUE(OppositeColors(26, 100));
}

TEST(Bounded, IndexOutsideItsBoundsThrows)
{
    Bounded<int, 2, 53> deck;
    deck(2) = 7;
    deck(53) = 9;
    EXPECT_EQ(deck(2), 7);
    EXPECT_THROW(deck(1), std::out_of_range);
    EXPECT_THROW(deck(54), std::out_of_range);
    Bounded2<int, 1, 4, 1, 12> tableau;
    tableau(4, 12) = 3;
    EXPECT_EQ(tableau(4, 12), 3);
    EXPECT_THROW(tableau(0, 1), std::out_of_range);
    EXPECT_THROW(tableau(1, 13), std::out_of_range);
}
