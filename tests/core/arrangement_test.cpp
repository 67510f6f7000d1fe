// The start and target arrangements, and what makes an arrangement complete.
#include "arrangement.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(Arrangements, StartAndTargetAreCompleteAndBrokenBoardsAreNot)
{
    EXPECT_EQ(StartArrangement().toString(), "16 11 3 13 22 6 7 8 9 21 19 12 4 14 15 5 17 18 2 20 1 10 23 24 .");
    EXPECT_EQ(TargetArrangement().toString(), "1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20 21 22 23 24 .");
    EXPECT_TRUE(StartArrangement().isComplete() && TargetArrangement().isComplete());
    Arrangement twice = TargetArrangement();
    twice.set(25, 1);
    Arrangement twoEmpty = TargetArrangement();
    twoEmpty.set(3, kEmpty);
    for (const Arrangement& broken : {twice, twoEmpty, Arrangement()}) {
        EXPECT_FALSE(broken.isComplete()) << broken.toString();
    }
}

}  // namespace
}  // namespace tessaro
