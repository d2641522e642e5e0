#include "fixture.h"

#include "neighbourhood/cache_line.h"
#include "platform/main_view.h"

using namespace nbtest;
using namespace std::string_literals;

namespace {

struct LineCase {
    const char* what;
    std::string bytes;
    TextList lines;  // the reads before the data is used up
};

TEST(CacheReloadLines, SplitsBytesIntoLines) {
    const LineCase cases[] = {
        {"CR LF", "A\r\nBB\r\n", {"A", "BB"}},
        {"LF only", "A\nBB\n", {"A", "BB"}},
        {"last line without LF", "A\r\nBB", {"A", "BB"}},
        {"last line ends in CR only", "A\r\nBB\r", {"A", "BB"}},
        {"only one CR is dropped", "A\r\r\n", {"A\r"}},
        {"CR inside a line stays", "A\rB\n", {"A\rB"}},
        {"empty line in the middle", "A\r\n\r\nB\r\n", {"A", "", "B"}},
        {"zero byte ends the data", "A\r\nB\0C\r\nD\r\n"s, {"A", "B"}},
        {"0x1A ends the data", "A\r\nB\x1A" "C\r\nD\r\n", {"A", "B"}},
        {"zero byte at a line start", "A\r\n\0B\r\n"s, {"A"}},
        {"trail byte 0x0A", "\xB0\x0A" "X\r\nY\r\n", {"\xB0\x0A" "X", "Y"}},
        {"trail byte 0x0D before LF", "\xB0\x0D\nY\n", {"\xB0\x0D", "Y"}},
        {"trail byte 0x1A", "\xB0\x1A" "X\r\nY\r\n", {"\xB0\x1A" "X", "Y"}},
        {"lead byte last in the data", "A\r\n\xB0", {"A", "\xB0"}},
        {"empty data", "", {}},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.what);
        size_t pos = 0;
        for (const Text& expected : c.lines) EXPECT_EQ(NextCacheLine(c.bytes, pos), expected);
        EXPECT_EQ(NextCacheLine(c.bytes, pos), "");
        EXPECT_EQ(NextCacheLine(c.bytes, pos), "") << "reads past the end stay empty";
    }
}

class CacheReloadTest : public NeighbourhoodFixture {};

TEST_F(CacheReloadTest, FillsListFromCacheAndChecksEachName) {
    struct Case {
        const char* what;
        std::optional<std::string> file;
        TextList names;
    };
    const Case cases[] = {
        {"missing file", std::nullopt, {}},
        {"empty file", "", {}},
        {"CR LF lines", "PC1\r\n服务器\r\n", {"PC1", "服务器"}},
        {"LF lines, last without LF", "PC1\nPC2\nPC3", {"PC1", "PC2", "PC3"}},
        {"stops at an empty line", "PC1\r\n\r\nPC2\r\n", {"PC1"}},
        {"empty first line", "\r\nPC1\r\n", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake::Reset();
        fake::SetItems(Named({"BEFORE"}, 0));
        StatusSetText(kPassHint);
        if (c.file) WriteCache(*c.file);

        CacheReload();

        EXPECT_EQ(fake::Items(), Named(c.names, 1));
        EXPECT_EQ(fake::Pinged(), c.names);
        EXPECT_EQ(fake::Status(), kPassHint);
        EXPECT_TRUE(fake::Threads().empty());
    }
}

TEST_F(CacheReloadTest, AnsweringNamesAndAddressesAreColoured) {
    WriteCache("10.0.0.7\r\nSILENT\r\nPC2\r\n");
    fake::SetPingAnswer("10.0.0.7", 0);
    fake::SetPingAnswer("PC2", 4);

    CacheReload();

    EXPECT_EQ(fake::Items(), (std::vector<fake::Item>{{"10.0.0.7", 0}, {"SILENT", 1}, {"PC2", 0}}));
    EXPECT_EQ(fake::Pinged(), (TextList{"10.0.0.7", "SILENT", "PC2"}));
}

TEST_F(CacheReloadTest, AnswersArriveOnOtherThreads) {
    fake::SetThreadMode(fake::ThreadMode::Run);
    WriteCache("A\r\nB\r\nC\r\n");
    fake::SetPingAnswer("B", 0);

    CacheReload();
    fake::WaitForThreads();

    EXPECT_EQ(fake::Items(), (std::vector<fake::Item>{{"A", 1}, {"B", 0}, {"C", 1}}));
}

}  // namespace
