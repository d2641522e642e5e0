#include <optional>

#include "platform/crypto.h"
#include "remote/remote.h"
#include "remote_fixture.h"

namespace {

const char kPrompt[] = "请在下面输入本计算机的密码，如果没有密码，请不要输入。";
const char kTitle[] = "输入本计算机的密码";

void SelectComputer(const Text& name) {
    fake::SetItems({{"OTHER", 0}, {name, 0}});
    fake::Select(1);
}

Text SavedFile(const Text& computer) { return WorkFolder() + computer + ".txt"; }

// Line 19 of the connection file written for an ASCII password.
Text PasswordLineFor(const Text& password) {
    if (password.empty()) return "%密码%";
    std::string utf16;
    for (char ch : password) utf16 += std::string{ch, '\0'};
    return "password 51:b:" + FakeBlobOf(utf16 + std::string(2, '\0'));
}

Text LastPasswordLine() { return SplitCrLf(RdpText()).at(18); }

Text Protected(const Text& plain) { return "FAKEDPAPI:" + Text(plain.rbegin(), plain.rend()); }

TEST_F(RemoteTest, SavedPasswordStates) {
    struct Case {
        const char* label;
        std::optional<std::string> file;  // nothing: no file
        bool prompts;
        Text used;  // the password the connection gets without a prompt
    };
    const Case cases[] = {
        {"missing", std::nullopt, true, ""},
        {"empty", std::string(), true, ""},
        {"starts with zero", std::string("\0abc", 4), true, ""},
        {"protected", Protected("s3cret"), false, "s3cret"},
        {"protected for another user", std::string("\1\0\0\0\xD0\x8C\x9D\xDF", 8), true, ""},
        {"legacy plain", std::string("s3cret"), false, "s3cret"},
        {"legacy plain, zero inside", std::string("abc\0def", 7), false, "abc"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fake::Reset();
        SelectComputer("PC-07");
        if (c.file) WriteWholeFile(SavedFile("PC-07"), *c.file);
        RemoteDesktopCommand();

        EXPECT_TRUE(fake::Messages().empty());
        if (c.prompts) {
            ASSERT_EQ(fake::Inputs().size(), 1u);
            EXPECT_EQ(fake::Inputs()[0].prompt, kPrompt);
            EXPECT_EQ(fake::Inputs()[0].title, kTitle);
            EXPECT_EQ(fake::Inputs()[0].initial, "");
            EXPECT_EQ(fake::Inputs()[0].mode, 4);
            EXPECT_TRUE(fake::Commands().empty());  // cancelled: nothing connected
            if (c.file) EXPECT_EQ(ReadWholeFile(SavedFile("PC-07")), *c.file);
            else EXPECT_FALSE(PathExists(SavedFile("PC-07")));
        } else {
            EXPECT_TRUE(fake::Inputs().empty());
            ASSERT_EQ(fake::Commands().size(), 1u);
            EXPECT_EQ(LastPasswordLine(), PasswordLineFor(c.used));
            // Whatever form it was in, the password is now kept protected.
            std::string plain;
            EXPECT_TRUE(UnprotectData(ReadWholeFile(SavedFile("PC-07")), plain));
            EXPECT_EQ(plain, c.used);
        }
    }
}

TEST_F(RemoteTest, ConfirmedPasswordConnectsThenIsRememberedProtected) {
    SelectComputer("192.168.0.9");
    fake::QueueInput(true, "pw123");
    RemoteDesktopCommand();
    ASSERT_EQ(fake::Commands().size(), 1u);
    EXPECT_EQ(SplitCrLf(RdpText())[5], "full address:s:192.168.0.9:3389");
    EXPECT_EQ(LastPasswordLine(), PasswordLineFor("pw123"));
    EXPECT_EQ(ReadWholeFile(SavedFile("192.168.0.9")), Protected("pw123"));

    RemoteDesktopCommand();  // no second prompt
    EXPECT_EQ(fake::Inputs().size(), 1u);
    ASSERT_EQ(fake::Commands().size(), 2u);
    EXPECT_EQ(LastPasswordLine(), PasswordLineFor("pw123"));
}

TEST_F(RemoteTest, ConfirmedEmptyPasswordLeavesAnEmptyFileAndAsksAgain) {
    SelectComputer("PC-07");
    fake::QueueInput(true, "");
    RemoteDesktopCommand();
    ASSERT_EQ(fake::Commands().size(), 1u);
    EXPECT_EQ(LastPasswordLine(), "%密码%");
    EXPECT_TRUE(PathExists(SavedFile("PC-07")));
    EXPECT_EQ(ReadWholeFile(SavedFile("PC-07")), "");

    RemoteDesktopCommand();
    EXPECT_EQ(fake::Inputs().size(), 2u);
}

TEST_F(RemoteTest, PasswordThatCannotBeProtectedIsNeverStoredInPlain) {
    fake::FailProtection(true);
    SelectComputer("PC-07");
    fake::QueueInput(true, "pw123");
    RemoteDesktopCommand();
    ASSERT_EQ(fake::Commands().size(), 1u);
    EXPECT_EQ(LastPasswordLine(), "%密码%");
    EXPECT_FALSE(PathExists(SavedFile("PC-07")));
}

TEST_F(RemoteTest, NothingSelectedOnlyAsksToChooseAComputer) {
    for (int selected : {-1, 1}) {  // 1: an item with an empty text
        fake::Reset();
        fake::SetItems({{"PC-01", 0}, {"", 0}});
        fake::Select(selected);
        RemoteDesktopCommand();
        ASSERT_EQ(fake::Messages().size(), 1u);
        EXPECT_EQ(fake::Messages()[0].text, "请你选择计算机");
        EXPECT_EQ(fake::Messages()[0].icon, 48);
        EXPECT_EQ(fake::Messages()[0].title, "信息：");
        EXPECT_TRUE(fake::Inputs().empty());
        EXPECT_TRUE(fake::Commands().empty());
        EXPECT_TRUE(FilesIn(WorkFolder()).empty());
    }
}

TEST_F(RemoteTest, NamesThatCannotBeFileNamesAreRefused) {
    const Text refused[] = {"a\\b", "..\\x", "a/b", "c:", "a*", "a?", "\"x\"", "<x", "x>",
                            "a|b",  "..",    "a..b", "a\r\nb"};
    for (const Text& name : refused) {
        SCOPED_TRACE(name);
        fake::Reset();
        SelectComputer(name);
        WriteWholeFile(WorkFolder() + "probe", "");  // the folder is not empty
        fake::QueueInput(true, "pw");
        RemoteDesktopCommand();
        ASSERT_EQ(fake::Messages().size(), 1u);
        EXPECT_EQ(fake::Messages()[0].icon, 16);
        EXPECT_NE(fake::Messages()[0].text.find(name), Text::npos);
        EXPECT_TRUE(fake::Inputs().empty());
        EXPECT_TRUE(fake::Commands().empty());
        EXPECT_TRUE(fake::RegWrites().empty());
        EXPECT_EQ(FilesIn(WorkFolder()), std::vector<Text>{"probe"});
    }
}

TEST_F(RemoteTest, DoubleByteCharacterEndingInABackslashByteIsAName) {
    SelectComputer("誠");  // D5 5C
    fake::QueueInput(true, "pw");
    RemoteDesktopCommand();
    EXPECT_TRUE(fake::Messages().empty());
    ASSERT_EQ(fake::Commands().size(), 1u);
    EXPECT_TRUE(PathExists(SavedFile("誠")));
}

}  // namespace
