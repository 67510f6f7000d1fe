// Outer window sizes in twips, one pixel larger each way, and the way back to pixels.
#include <gtest/gtest.h>

#include <ostream>

#include "twips.h"
#include "windowmetrics.h"

using namespace tessaro::platform;

struct OuterTwipsCase {
    const char* window;
    WindowRect client;
    bool menuFlag;
    int dpi;
    float width;
    float height;
};

void PrintTo(const OuterTwipsCase& c, std::ostream* out)
{
    *out << c.window << '_' << c.dpi << "dpi";
}

class OuterTwipsOfEachWindow : public testing::TestWithParam<OuterTwipsCase> {};

TEST_P(OuterTwipsOfEachWindow, isTheGrownRectanglePlusOnePixelInTwips)
{
    const OuterTwipsCase& c = GetParam();
    const TwipsSize size = OuterSizeInTwips(AdjustWindowRect(c.client, c.menuFlag), c.dpi, c.dpi);
    EXPECT_FLOAT_EQ(size.width, c.width) << c.window << " at " << c.dpi;
    EXPECT_FLOAT_EQ(size.height, c.height) << c.window << " at " << c.dpi;
}

// Grown outer sizes plus one pixel: splash 431 x 447, board 446 x 484, help 447 x 325,
// results 335 x 235; 15 twips per pixel at 96 dpi, 12 at 120, 10 at 144.
INSTANTIATE_TEST_SUITE_P(
    SplashBoardHelpResults, OuterTwipsOfEachWindow,
    testing::Values(OuterTwipsCase{"splash", {0, 0, 424, 421}, false, 96, 6465.0f, 6705.0f},
                    OuterTwipsCase{"splash", {0, 0, 424, 421}, false, 144, 4310.0f, 4470.0f},
                    OuterTwipsCase{"splash", {0, 0, 424, 421}, false, 120, 5172.0f, 5364.0f},
                    OuterTwipsCase{"board", {0, 0, 439, 439}, true, 96, 6690.0f, 7260.0f},
                    OuterTwipsCase{"board", {0, 0, 439, 439}, true, 144, 4460.0f, 4840.0f},
                    OuterTwipsCase{"help", {0, 0, 440, 280}, true, 96, 6705.0f, 4875.0f},
                    OuterTwipsCase{"help", {0, 0, 440, 280}, true, 144, 4470.0f, 3250.0f},
                    OuterTwipsCase{"results", {0, 0, 328, 209}, false, 96, 5025.0f, 3525.0f},
                    OuterTwipsCase{"results", {0, 0, 328, 209}, false, 144, 3350.0f, 2350.0f}));

TEST(OuterSizeInTwips, oneByOneRectangleCountsAsTwoPixelsEachWay)
{
    EXPECT_EQ(OuterSizeInTwips({0, 0, 1, 1}, 96, 96), (TwipsSize{30.0f, 30.0f}));
}

TEST(OuterSizeInTwips, widthFollowsHorizontalAndHeightVerticalDotsPerInch)
{
    EXPECT_EQ(OuterSizeInTwips({0, 0, 9, 9}, 96, 144), (TwipsSize{150.0f, 100.0f}));
}

TEST(TwipsToPixels, roundsToTheNearestPixel)
{
    EXPECT_EQ(TwipsToPixels(22.0, 96), 1);
    EXPECT_EQ(TwipsToPixels(23.0, 96), 2);
    EXPECT_EQ(TwipsToPixels(-23.0, 96), -2);
}

TEST(TwipsToPixels, bringsBackTheWholePixelsOfStoredTwipsAtEveryDotsPerInch)
{
    // Single-precision twips at awkward ratios land a hair below the whole pixel.
    for (int dpi = 60; dpi <= 300; ++dpi) {
        const TwipsSize size = OuterSizeInTwips({0, 0, 445, 483}, dpi, dpi);
        EXPECT_EQ(TwipsToPixels(size.width, dpi), 446) << dpi;
        EXPECT_EQ(TwipsToPixels(size.height, dpi), 484) << dpi;
    }
}
