#include <gtest/gtest.h>

#include "engine/Bounded.h"
#include "engine/Cards.h"

using namespace tandrel;

TEST(Cards, RankReadsAceLowAndPlaceholders)
{
    EXPECT_EQ(CardRank(14), 1);
    EXPECT_EQ(CardRank(13), 13);
    EXPECT_EQ(CardRank(2), 2);
    EXPECT_EQ(CardRank(26), 13);
    EXPECT_EQ(CardRank(27), 1);
    EXPECT_EQ(CardRank(100), 14);
    EXPECT_EQ(CardRank(0), 0);
    EXPECT_EQ(CardRank(-1), 0);
    EXPECT_EQ(CardRank(11), 11); // jack
}

TEST(Cards, ColourStringsAndNonCards)
{
    EXPECT_EQ(CardColor(27), "Red ");
    EXPECT_EQ(CardColor(41), "Red ");
    EXPECT_EQ(CardColor(28), "Black ");
    EXPECT_EQ(CardColor(14), "Black ");
    EXPECT_EQ(CardColor(54), "");
    EXPECT_EQ(CardColor(100), "");
    // An empty pile's "colour" differs from both, so any king may go there.
    EXPECT_TRUE(OppositeColors(13, 100));
    EXPECT_TRUE(OppositeColors(26, 100));
}

TEST(Cards, SuitsOfTheFourBlocks)
{
    EXPECT_EQ(CardSuit(41), 2);
    EXPECT_EQ(CardSuit(40), 4);
    EXPECT_EQ(CardSuit(55), 5);
    EXPECT_EQ(CardSuit(56), 0);
    EXPECT_EQ(CardSuit(1), 0);
    EXPECT_EQ(CardSuit(2), 1);
    EXPECT_EQ(CardSuit(15), 3);
    for (int suit = 1; suit <= 4; ++suit) EXPECT_EQ(CardSuit(AceOfSuit(suit)), suit);
}

TEST(Cards, StoredAceLetsTheTwoFollow)
{
    // The ace of suit 3 is held as 14 so that its two, 15, is exactly one above.
    EXPECT_EQ(27 - 13, 14);
    EXPECT_EQ(15 - (27 - 13), 1);
    EXPECT_EQ(CardRank(27 - 13 + 13), 1);
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
