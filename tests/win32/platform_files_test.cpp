// Whole files in Wine's real temporary folder.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/files.h"
#include "win32/platform_support.h"
#include "platform/win32/text_convert.h"

namespace {

TEST(WorkFolder, IsTheTemporaryFolderWithOneTrailingBackslash) {
    wchar_t temp[MAX_PATH + 1];
    DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    ASSERT_GT(n, 0u);
    std::wstring expected(temp, n);
    if (expected.back() != L'\\') expected += L'\\';
    EXPECT_EQ(Wide(WorkFolder()), expected);
    EXPECT_TRUE(PathExists(WorkFolder()));
}

TEST(ProgramFolder, HoldsTheRunningProgram) {
    Text folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_TRUE(PathExists(folder + "win32_tests.exe"));
}

TEST(WholeFile, GbkNamedFileKeepsEveryByteAndIsTruncatedByTheNextWrite) {
    const Text path = WorkFolder() + UniqueName("青屿测试") + ".txt";
    const std::string bytes("公司\0名字\r\n\xFF", 12);
    ASSERT_TRUE(WriteWholeFile(path, bytes));
    EXPECT_EQ(ReadWholeFile(path), bytes);
    // The name reached Windows as UTF-16, not as bytes of another code page.
    EXPECT_NE(GetFileAttributesW(Wide(path).c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_NE(Wide(path).find(L"青屿测试"), std::wstring::npos);

    ASSERT_TRUE(WriteWholeFile(path, "短"));
    EXPECT_EQ(ReadWholeFile(path), "短");
    ASSERT_TRUE(WriteWholeFile(path, ""));
    EXPECT_TRUE(PathExists(path));
    EXPECT_EQ(ReadWholeFile(path), "");

    EXPECT_TRUE(DeleteFileAt(path));
    EXPECT_FALSE(PathExists(path));
    EXPECT_FALSE(DeleteFileAt(path));
}

TEST(WholeFile, LargeFileIsReadWhole) {
    const Text path = WorkFolder() + UniqueName("large") + ".bin";
    std::string bytes;
    for (int i = 0; i < 300000; ++i) bytes += char(i * 7);
    ASSERT_TRUE(WriteWholeFile(path, bytes));
    EXPECT_EQ(ReadWholeFile(path), bytes);
    DeleteFileAt(path);
}

TEST(WholeFile, FailuresAreReportedAndReadAsNoBytes) {
    const Text missingFolder = WorkFolder() + UniqueName("没有") + "\\";
    EXPECT_FALSE(WriteWholeFile(missingFolder + "a.txt", "x"));
    EXPECT_EQ(ReadWholeFile(missingFolder + "a.txt"), "");
    EXPECT_FALSE(PathExists(missingFolder));
    // A folder is not a file to read or replace.
    EXPECT_EQ(ReadWholeFile(WorkFolder()), "");
    EXPECT_FALSE(WriteWholeFile(WorkFolder(), "x"));
}

}  // namespace
