#include "platform/commands.h"
#include "remote/remote.h"
#include "remote_fixture.h"

namespace {

const char kBatchLine[] =
    "@REG ADD HKLM\\SYSTEM\\CurrentControlSet\\Control\\Terminal\" \"Server /v fDenyTSConnections /t "
    "REG_DWORD /d 00000000 /f";
const char kSwitchedOn[] = "开启成功！";
const char kWindows7[] =
    "服务已开启！由于你的是Windows 7系统，牵涉到权限问题，请到控制面板--系统--远程设置--选择用户里设置！";

CommandOutcome Outcome(bool started, bool finished, int exitCode) {
    CommandOutcome outcome;
    outcome.started = started;
    outcome.finished = finished;
    outcome.exitCode = exitCode;
    return outcome;
}

TEST_F(RemoteTest, ServiceBatchIsOneLineRunHiddenAndWaitedFor) {
    for (int run = 1; run <= 2; ++run) {
        WriteWholeFile(WorkFolder() + "开启.bat", "stale content that is longer than the line itself" + Text(200, 'x'));
        RemoteServiceCommand();
        const std::string written = ReadWholeFile(WorkFolder() + "开启.bat");
        EXPECT_EQ(written, kBatchLine);
        EXPECT_EQ(written.size(), 114u);
        ASSERT_EQ(fake::Commands().size(), size_t(run));
        EXPECT_EQ(fake::Commands().back().commandLine, WorkFolder() + "开启.bat");
        EXPECT_TRUE(fake::Commands().back().waited);
        EXPECT_EQ(fake::Commands().back().show, Show::Hidden);
    }
}

TEST_F(RemoteTest, ServiceBatchPathIsQuotedWhenTheFolderHoldsASpace) {
    const Text folder = WorkFolder() + "Local Settings/";
    std::filesystem::create_directory(folder);
    fake::SetWorkFolder(folder);
    RemoteServiceCommand();
    ASSERT_EQ(fake::Commands().size(), 1u);
    EXPECT_EQ(fake::Commands()[0].commandLine, "\"" + folder + "开启.bat\"");
}

TEST_F(RemoteTest, ServiceMessageFollowsTheOutcomeAndTheSystem) {
    struct Case {
        const char* label;
        CommandOutcome outcome;
        int major, minor;
        Text text;  // empty: only the icon is fixed, and it must not claim success
        int icon;
    };
    const Case cases[] = {
        {"XP, done", Outcome(true, true, 0), 5, 1, kSwitchedOn, 64},
        {"2000, done", Outcome(true, true, 0), 5, 0, kSwitchedOn, 64},
        {"unrecognised, done", Outcome(true, true, 0), 6, 2, kSwitchedOn, 64},
        {"Windows 7, done", Outcome(true, true, 0), 6, 1, kWindows7, 48},
        {"refused", Outcome(true, true, 1), 5, 1, "", 16},
        {"refused on Windows 7", Outcome(true, true, 5), 6, 1, "", 16},
        {"still running", Outcome(true, false, -1), 5, 1, "", 48},
        {"not started", Outcome(false, false, -1), 5, 1, "", 16},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        fake::Reset();
        fake::SetVersion(c.major, c.minor);
        fake::SetCommandOutcome([&](const Text&) { return c.outcome; });
        RemoteServiceCommand();
        ASSERT_EQ(fake::Messages().size(), 1u);
        const fake::ShownMessage shown = fake::Messages()[0];
        EXPECT_EQ(shown.icon, c.icon);
        EXPECT_EQ(shown.title, "信息：");
        if (!c.text.empty()) {
            EXPECT_EQ(shown.text, c.text);
        } else {
            EXPECT_EQ(shown.text.find("成功"), Text::npos);
            EXPECT_NE(shown.text.rfind("服务已开启", 0), 0u);
        }
        if (c.outcome.finished && c.outcome.exitCode != 0) {
            EXPECT_NE(shown.text.find("管理员"), Text::npos);
        }
    }
}

TEST_F(RemoteTest, UnwritableServiceBatchIsNotRun) {
    fake::SetWorkFolder(WorkFolder() + "missing/");
    RemoteServiceCommand();
    EXPECT_TRUE(fake::Commands().empty());
    ASSERT_EQ(fake::Messages().size(), 1u);
    EXPECT_EQ(fake::Messages()[0].icon, 16);
}

}  // namespace
