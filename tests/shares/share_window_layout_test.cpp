#include <gtest/gtest.h>

#include "platform/win32/share_window_layout.h"

namespace {

using share_window::Box;

bool Overlap(const Box& a, const Box& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

TEST(ShareWindowLayout, MatchesTheDesignAndFitsTheWindow) {
    using namespace share_window;
    EXPECT_EQ(kWidth, 319);
    EXPECT_EQ(kHeight, 282);
    const Box expected[] = {{1, 4, 207, 244}, {216, 16, 88, 32}, {216, 64, 88, 32}};
    const Box actual[] = {kListBox, kRefreshBox, kDeleteBox};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(actual[i].left, expected[i].left) << i;
        EXPECT_EQ(actual[i].top, expected[i].top) << i;
        EXPECT_EQ(actual[i].width, expected[i].width) << i;
        EXPECT_EQ(actual[i].height, expected[i].height) << i;
        // A fixed frame with a caption leaves at least 311 x 250 of client area.
        EXPECT_LE(actual[i].left + actual[i].width, 311) << i;
        EXPECT_LE(actual[i].top + actual[i].height, 250) << i;
        for (int j = 0; j < i; ++j) EXPECT_FALSE(Overlap(actual[i], actual[j])) << i << " " << j;
    }
    EXPECT_LE(kColumnWidth, kListBox.width);
    EXPECT_STREQ(kCaption, "本机共享资源列表");
    EXPECT_STREQ(kColumnTitle, "本机共享资源");
    EXPECT_STREQ(kRefreshText, "刷新");
    EXPECT_STREQ(kDeleteText, "删除");
    EXPECT_EQ(CentredLeft(1024), 352);
    EXPECT_EQ(CentredTop(768), 243);
}

}  // namespace
