// Move counts fall into the three result levels, and only those levels have a rank.
#include "ranking.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(Ranking, MoveCountsFallIntoTheirLevelsAndEachLevelHasItsSound)
{
    const struct {
        std::int16_t moves;
        std::int16_t level;
        ResultSound sound;
    } cases[] = {{30, 30, ResultSound::Cheers},   {31, 35, ResultSound::Applause}, {35, 35, ResultSound::Applause},
                 {36, 40, ResultSound::Applause}, {32767, 40, ResultSound::Applause}};
    for (const auto& c : cases) {
        EXPECT_EQ(ResultLevelFor(c.moves), c.level) << c.moves << " moves";
        ASSERT_TRUE(RankFor(c.level).has_value()) << c.level;
        EXPECT_EQ(RankFor(c.level)->sound, c.sound) << c.level;
    }
    for (std::int16_t level : {0, 29, 31, 36, 41, -1}) {
        EXPECT_FALSE(RankFor(level).has_value()) << level;
    }
}

}  // namespace
}  // namespace tessaro
