// The ranking table: thresholds, captions, messages and sounds.
#include "ranking.h"

#include <gtest/gtest.h>

namespace tessaro {
namespace {

TEST(Ranking, MoveCountsFallIntoTheirBands)
{
    const struct {
        std::int16_t moves;
        std::int16_t level;
    } cases[] = {{30, 30}, {31, 35}, {32, 35}, {34, 35}, {35, 35}, {36, 40}, {37, 40}, {32767, 40}};
    for (const auto& c : cases) {
        EXPECT_EQ(ResultLevelFor(c.moves), c.level) << c.moves << " moves";
    }
}

TEST(Ranking, EachLevelHasItsCaptionMessageAndSound)
{
    const auto expert = RankFor(30);
    ASSERT_TRUE(expert);
    EXPECT_EQ(expert->caption, "Expert Level");
    EXPECT_EQ(expert->message, "Congratulations, you have completed the puzzle in the fewest possible moves.");
    EXPECT_EQ(expert->sound, ResultSound::Cheers);

    const auto intermediate = RankFor(35);
    ASSERT_TRUE(intermediate);
    EXPECT_EQ(intermediate->caption, "Intermediate Level");
    EXPECT_EQ(intermediate->message, "Respectable, but the puzzle can be solved with fewer moves.");
    EXPECT_EQ(intermediate->sound, ResultSound::Applause);

    const auto amateur = RankFor(40);
    ASSERT_TRUE(amateur);
    EXPECT_EQ(amateur->caption, "Amateur Level");
    EXPECT_EQ(amateur->message, "Good try, but the puzzle can be solved with far fewer moves.");
    EXPECT_EQ(amateur->sound, ResultSound::Applause);

    for (std::int16_t level : {0, 29, 31, 36, 41, -1}) {
        EXPECT_FALSE(RankFor(level).has_value()) << level;
    }
}

}  // namespace
}  // namespace tessaro
