// The large-fonts test: rounded twips per pixel of 12 fails, anything else passes.
#include <gtest/gtest.h>

#include <ostream>

#include "largefonts.h"

using namespace tessaro::platform;

struct DpiCase {
    int dpi;
    int roundedTwipsPerPixel;
    bool largeFonts;
};

// A stable readable name for each case, which CTest's discovered test names are made from.
void PrintTo(const DpiCase& c, std::ostream* out)
{
    *out << c.dpi << "dpi";
}

class LargeFontsSetting : public testing::TestWithParam<DpiCase> {};

TEST_P(LargeFontsSetting, isExactlyTwelveRoundedTwipsPerPixel)
{
    const DpiCase& c = GetParam();
    EXPECT_EQ(RoundedTwipsPerPixel(c.dpi), c.roundedTwipsPerPixel) << c.dpi;
    EXPECT_EQ(IsLargeFontsSetting(c.dpi), c.largeFonts) << c.dpi;
}

INSTANTIATE_TEST_SUITE_P(CommonAndBoundarySettings, LargeFontsSetting,
                         testing::Values(DpiCase{96, 15, false}, DpiCase{120, 12, true}, DpiCase{144, 10, false},
                                         DpiCase{115, 13, false}, DpiCase{116, 12, true},
                                         DpiCase{125, 12, true}, DpiCase{126, 11, false},
                                         DpiCase{72, 20, false}));

// 1440 / 64 = 22.5 and 1440 / 192 = 7.5: halves go to the even neighbour, one down and one up,
// which a plain round-half-away-from-zero gets wrong for 64 and 576.
INSTANTIATE_TEST_SUITE_P(HalvesGoToEven, LargeFontsSetting,
                         testing::Values(DpiCase{64, 22, false}, DpiCase{192, 8, false}, DpiCase{576, 2, false},
                                         DpiCase{320, 4, false}, DpiCase{288, 5, false}));

TEST(LargeFontsSetting, everySettingFrom116To125FailsAndTheirNeighboursPass)
{
    for (int dpi = 100; dpi <= 140; ++dpi) {
        EXPECT_EQ(IsLargeFontsSetting(dpi), dpi >= 116 && dpi <= 125) << dpi;
    }
}
