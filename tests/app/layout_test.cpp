#include <gtest/gtest.h>

#include "app/layout.h"

namespace {

TEST(LayoutTest, WindowIsCentredWithHalvesTruncatedTowardZero) {
    struct Case {
        int screenWidth, screenHeight, left, top;
    } cases[] = {
        {1024, 768, 249, 208},
        {800, 600, 137, 124},
        {1920, 1080, 697, 364},
        {525, 352, 0, 0},
        // A screen smaller than the window: -12.5 and -0.5 truncate to -12 and 0.
        {500, 351, -12, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.screenWidth);
        EXPECT_EQ(CentredLeft(c.screenWidth), c.left);
        EXPECT_EQ(CentredTop(c.screenHeight), c.top);
    }
}

}  // namespace
