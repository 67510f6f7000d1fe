// The start and target arrangements and the board's text form.
#include "arrangement.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

int KnightsAtHome(const Arrangement& a)
{
    int home = 0;
    for (SquareIndex n = 1; n <= kKnightCount; ++n) {
        home += a.at(n) == n ? 1 : 0;
    }
    return home;
}

TEST(Arrangements, StartHasThirteenAtHomeAndThreeRingsDisplaced)
{
    const Arrangement start = StartArrangement();
    EXPECT_EQ(start.toString(), "16 11 3 13 22 6 7 8 9 21 19 12 4 14 15 5 17 18 2 20 1 10 23 24 .");
    EXPECT_TRUE(start.isComplete());
    EXPECT_EQ(start.emptySquare(), 25);
    EXPECT_EQ(KnightsAtHome(start), 13);
    // Each displaced knight belongs on the next square of its ring.
    for (const auto& ring : {std::vector<SquareIndex>{1, 16, 5, 22, 10, 21}, {2, 11, 19}, {4, 13}}) {
        for (std::size_t i = 0; i < ring.size(); ++i) {
            EXPECT_EQ(start.at(ring[i]), ring[(i + 1) % ring.size()]) << "square " << ring[i];
        }
    }
}

TEST(Arrangements, TargetHasEveryKnightHomeAndSquare25Empty)
{
    const Arrangement target = TargetArrangement();
    EXPECT_TRUE(target.isComplete());
    EXPECT_EQ(target.emptySquare(), 25);
    EXPECT_EQ(KnightsAtHome(target), 24);
}

TEST(Arrangements, TextFormRoundTripsAndRejectsMalformedBoards)
{
    const Arrangement start = StartArrangement();
    EXPECT_EQ(Arrangement::fromString(start.toString()), start);
    EXPECT_EQ(Arrangement().toString().size(), 2u * 25 - 1);
    for (const char* bad : {"", "1 2 3", "0 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 .",
                            "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 25 .",
                            "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 . .",
                            "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 2x ."}) {
        EXPECT_FALSE(Arrangement::fromString(bad).has_value()) << '"' << bad << '"';
    }
}

TEST(Arrangements, CompletenessNeedsEachKnightOnceAndOneEmptySquare)
{
    Arrangement twice = TargetArrangement();
    twice.set(25, 1);
    EXPECT_FALSE(twice.isComplete());
    EXPECT_EQ(twice.emptySquare(), kNoSquare);
    Arrangement twoEmpty = TargetArrangement();
    twoEmpty.set(3, kEmpty);
    EXPECT_FALSE(twoEmpty.isComplete());
    EXPECT_EQ(twoEmpty.emptySquare(), kNoSquare);
    EXPECT_FALSE(Arrangement().isComplete());
}

}  // namespace
}  // namespace tessaro
