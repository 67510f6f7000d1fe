// The start arrangement, completeness and the board's text form.
#include "arrangement.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(Arrangements, StartAndTargetAreCompleteWithSquare25Empty)
{
    EXPECT_EQ(StartArrangement().toString(), "16 11 3 13 22 6 7 8 9 21 19 12 4 14 15 5 17 18 2 20 1 10 23 24 .");
    EXPECT_EQ(TargetArrangement().toString(), "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 .");
    EXPECT_TRUE(StartArrangement().isComplete());
    EXPECT_TRUE(TargetArrangement().isComplete());
}

TEST(Arrangements, CompletenessNeedsEachKnightOnceAndOneEmptySquare)
{
    Arrangement twice = TargetArrangement();
    twice.set(25, 1);
    Arrangement twoEmpty = TargetArrangement();
    twoEmpty.set(3, kEmpty);
    for (const Arrangement& broken : {twice, twoEmpty, Arrangement()}) {
        EXPECT_FALSE(broken.isComplete()) << broken.toString();
    }
}

TEST(Arrangements, TextFormRoundTripsAndRejectsMalformedBoards)
{
    EXPECT_EQ(Arrangement::fromString(StartArrangement().toString()), StartArrangement());
    const std::string home = "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 ";
    for (const std::string& bad : {std::string(), std::string("1 2 3"), "0 " + home.substr(2) + "24 .",
                                   home + "25 .", home + "24 . .", home + "2x ."}) {
        EXPECT_FALSE(Arrangement::fromString(bad).has_value()) << '"' << bad << '"';
    }
}

}  // namespace
}  // namespace tessaro
