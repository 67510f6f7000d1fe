// Centring a window on the screen in twips.
#include <gtest/gtest.h>

#include "centring.h"

using namespace tessaro::platform;

TEST(CentredPosition, keepsHalfTwipsOfAnOddDifference)
{
    EXPECT_EQ(CentredPosition(12000.0, 9000.0, 6465.0, 6705.0), (TwipsPoint{2767.5, 1147.5}));
}

TEST(CentredPosition, splitsWidthAndHeightIndependently)
{
    EXPECT_EQ(CentredPosition(19200.0, 15360.0, 6690.0, 7260.0), (TwipsPoint{6255.0, 4050.0}));
}

TEST(CentredPosition, windowAsLargeAsTheScreenSitsAtItsCorner)
{
    EXPECT_EQ(CentredPosition(6690.0, 7260.0, 6690.0, 7260.0), (TwipsPoint{0.0, 0.0}));
}

TEST(CentredPosition, windowLargerThanTheScreenKeepsItsCaptionOnScreen)
{
    EXPECT_EQ(CentredPosition(6000.0, 4000.0, 6690.0, 7260.0), (TwipsPoint{0.0, 0.0}));
    EXPECT_EQ(CentredPosition(9000.0, 4000.0, 6690.0, 7260.0), (TwipsPoint{1155.0, 0.0}));
}
