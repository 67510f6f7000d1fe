// Frame growth around a client rectangle and its inverse.
#include <gtest/gtest.h>

#include <ostream>

#include "windowmetrics.h"

using namespace tessaro::platform;

TEST(AdjustWindowRect, captionOnlyGrowsSidesAndBottomByFrameAndTopByFrameAndCaption)
{
    EXPECT_EQ(AdjustWindowRect({0, 0, 424, 421}, false), (WindowRect{-3, -22, 427, 424}));
}

TEST(AdjustWindowRect, menuAddsOneMenuBarAboveTheClientOnly)
{
    EXPECT_EQ(AdjustWindowRect({0, 0, 439, 439}, true), (WindowRect{-3, -41, 442, 442}));
}

TEST(AdjustWindowRect, rectangleAwayFromTheOriginKeepsItsPlace)
{
    EXPECT_EQ(AdjustWindowRect({10, 20, 110, 220}, false), (WindowRect{7, -2, 113, 223}));
}

struct InverseCase {
    WindowRect client;
    bool hasMenu;
};

void PrintTo(const InverseCase& c, std::ostream* out)
{
    *out << c.client.right - c.client.left << 'x' << c.client.bottom - c.client.top << (c.hasMenu ? "_menu" : "");
}

class ClientSizeForOuterInverts : public testing::TestWithParam<InverseCase> {};

TEST_P(ClientSizeForOuterInverts, theGrowthOfAdjustWindowRect)
{
    const auto [client, hasMenu] = GetParam();
    const WindowRect outer = AdjustWindowRect(client, hasMenu);
    const PixelSize outerSize{outer.right - outer.left, outer.bottom - outer.top};
    EXPECT_EQ(ClientSizeForOuter(outerSize, hasMenu),
              (PixelSize{client.right - client.left, client.bottom - client.top}));
}

INSTANTIATE_TEST_SUITE_P(EveryWindowRectangle, ClientSizeForOuterInverts,
                         testing::Values(InverseCase{{0, 0, 424, 421}, false}, InverseCase{{0, 0, 439, 439}, true},
                                         InverseCase{{0, 0, 440, 280}, true}, InverseCase{{0, 0, 328, 209}, false},
                                         InverseCase{{5, 7, 6, 8}, true}));
