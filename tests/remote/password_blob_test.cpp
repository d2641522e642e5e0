#include "remote/remote.h"
#include "remote_fixture.h"

namespace {

TEST_F(RemoteTest, BlobIsUpperHexOfEveryProtectedByteThenOneZero) {
    // "\n仿": U+000A U+4EFF, so the block holds the bytes 0A and FF.
    const std::string utf16("\x0A\x00\xFF\x4E\x00\x00", 6);
    const Text blob = MakePasswordBlob("\n仿");
    EXPECT_EQ(blob, FakeBlobOf(utf16));
    EXPECT_EQ(blob.size(), (10u + 512u) * 2 + 1);
    // Reversed by the fake, the block ends in the password's first bytes.
    EXPECT_EQ(blob.substr(blob.size() - 13), "00004EFF000A0");
}

TEST_F(RemoteTest, LongPasswordsAreProtectedWhole) {
    struct Case {
        size_t units;       // characters of an ASCII password
        size_t blockBytes;  // size of the protected block
    };
    for (Case c : {Case{1, 512}, Case{255, 512}, Case{256, 514}, Case{300, 602}}) {
        std::string utf16;
        for (size_t i = 0; i < c.units; ++i) utf16 += std::string("x\0", 2);
        utf16 += std::string("\0\0", 2);
        const Text blob = MakePasswordBlob(Text(c.units, 'x'));
        EXPECT_EQ(blob, FakeBlobOf(utf16, c.blockBytes)) << c.units;
        EXPECT_EQ(blob.size(), (10 + c.blockBytes) * 2 + 1) << c.units;
    }
}

}  // namespace
