// Starting real processes under Wine: batch files through cmd, and the
// recording stand-in that reports how it was started.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/commands.h"
#include "platform/files.h"
#include "platform/win32/text_convert.h"
#include "win32/platform_support.h"
#include "win32/recorder/recorder_log.h"

namespace {

class Commands : public ::testing::Test {
protected:
    void SetUp() override {
        log_ = WorkFolder() + UniqueName("记录") + ".log";
        recorder_ = PlaceRecorder("qy_recorder_cmd.exe");
    }
    void TearDown() override { DeleteFileAt(log_); }
    std::wstring WideLog() const { return Wide(log_); }
    // Waits until the stand-in has written `count` records.
    std::vector<RecordedRun> Runs(size_t count = 1) {
        DWORD start = GetTickCount();
        std::vector<RecordedRun> runs;
        while ((runs = ReadRecorderLog(log_)).size() < count && GetTickCount() - start < 15000) Sleep(20);
        return runs;
    }

    Text log_, recorder_;
};

TEST_F(Commands, RunCommandStartsABatchFileThatWritesAFile) {
    const Text folder = WorkFolder() + UniqueName("批处理") + "\\";
    ASSERT_TRUE(CreateDirectoryW(Wide(folder).c_str(), nullptr));
    const Text batch = folder + "写入.bat";
    const Text marker = folder + "done.txt";
    ASSERT_TRUE(WriteWholeFile(batch, "@echo off\r\necho ok> \"" + marker + "\"\r\n"));

    EXPECT_TRUE(RunCommand("\"" + batch + "\"", Show::Hidden));
    EXPECT_EQ(WaitForFile(marker, 2).substr(0, 2), "ok");

    DeleteFileAt(marker);
    DeleteFileAt(batch);
    RemoveDirectoryW(Wide(folder).c_str());
}

TEST_F(Commands, RunCommandPassesTheLineShowStateAndFolder) {
    ScopedVariable logVar(L"QY_RECORD_LOG", WideLog());
    const Text folder = WorkFolder() + UniqueName("工作 目录");
    ASSERT_TRUE(CreateDirectoryW(Wide(folder).c_str(), nullptr));
    wchar_t current[MAX_PATH];
    DWORD n = GetCurrentDirectoryW(MAX_PATH, current);
    const Text here = Narrow(current, n);

    const Text lineA = "\"" + recorder_ + "\" share 共享=\"D:\\资料\" /grant:everyone,full";
    const Text lineB = "\"" + recorder_ + "\"  two  spaces \"\"";
    ASSERT_TRUE(RunCommand(lineA, Show::Hidden, folder));
    ASSERT_EQ(Runs(1).size(), 1u);
    ASSERT_TRUE(RunCommand(lineB, Show::Normal));
    std::vector<RecordedRun> runs = Runs(2);
    ASSERT_EQ(runs.size(), 2u);

    EXPECT_EQ(runs[0].commandLine, lineA);
    EXPECT_EQ(runs[0].show, SW_HIDE);
    EXPECT_EQ(runs[0].folder, folder);
    EXPECT_EQ(runs[1].commandLine, lineB);
    EXPECT_EQ(runs[1].show, SW_SHOWNORMAL);
    EXPECT_EQ(runs[1].folder, here);
    RemoveDirectoryW(Wide(folder).c_str());
}

TEST_F(Commands, RunCommandReportsWhatCannotStart) {
    EXPECT_FALSE(RunCommand("\"" + WorkFolder() + "没有这个程序.exe\"", Show::Hidden));
    EXPECT_FALSE(RunCommand("\"" + recorder_ + "\"", Show::Hidden, WorkFolder() + UniqueName("missing")));
    // A document is not started through its file association.
    const Text reg = WorkFolder() + UniqueName("开启共享") + ".reg";
    ASSERT_TRUE(WriteWholeFile(reg, "REGEDIT4\r\n"));
    EXPECT_FALSE(RunCommand("\"" + reg + "\"", Show::Hidden));
    DeleteFileAt(reg);
}

TEST_F(Commands, RunCommandAndWaitGivesExitCodeAndOutput) {
    CommandOutcome out = RunCommandAndWait("cmd /c \"echo 你好& echo 错误 1>&2& exit 3\"", 20000);
    EXPECT_TRUE(out.started);
    EXPECT_TRUE(out.finished);
    EXPECT_EQ(out.exitCode, 3);
    EXPECT_NE(out.output.find("你好"), Text::npos) << out.output;
    EXPECT_NE(out.output.find("错误"), Text::npos) << out.output;
}

TEST_F(Commands, RunCommandAndWaitRunsHiddenInTheGivenFolder) {
    ScopedVariable logVar(L"QY_RECORD_LOG", WideLog());
    ScopedVariable outVar(L"QY_RECORD_OUTPUT", L"共享名 资源");
    ScopedVariable exitVar(L"QY_RECORD_EXIT", L"2");
    const Text line = "\"" + recorder_ + "\" share";
    CommandOutcome out = RunCommandAndWait(line, 20000, WorkFolder());
    EXPECT_TRUE(out.finished);
    EXPECT_EQ(out.exitCode, 2);
    EXPECT_EQ(out.output, "共享名 资源");
    std::vector<RecordedRun> runs = Runs(1);
    ASSERT_EQ(runs.size(), 1u);
    EXPECT_EQ(runs[0].commandLine, line);
    EXPECT_EQ(runs[0].show, SW_HIDE);
    EXPECT_EQ(runs[0].folder + "\\", WorkFolder());
}

TEST_F(Commands, ChattyChildDoesNotBlockOnAFullPipe) {
    // Several times the pipe's buffer; every byte must come through in order.
    const Text path = WorkFolder() + UniqueName("big") + ".txt";
    std::string bytes;
    for (int i = 0; bytes.size() < 200000; ++i) bytes += "line " + std::to_string(i) + "\r\n";
    ASSERT_TRUE(WriteWholeFile(path, bytes));
    CommandOutcome out = RunCommandAndWait("cmd /c type \"" + path + "\"", 60000);
    EXPECT_TRUE(out.finished);
    EXPECT_EQ(out.exitCode, 0);
    EXPECT_TRUE(out.output == bytes) << "got " << out.output.size() << " of " << bytes.size() << " bytes";
    DeleteFileAt(path);
}

TEST_F(Commands, ProcessStillRunningAtTheBoundIsLeftRunning) {
    ScopedVariable logVar(L"QY_RECORD_LOG", WideLog());
    ScopedVariable waitVar(L"QY_RECORD_WAIT_MS", L"1500");
    CommandOutcome out = RunCommandAndWait("\"" + recorder_ + "\" slow", 200);
    EXPECT_TRUE(out.started);
    EXPECT_FALSE(out.finished);
    // Returned before the child's end: it records only when it ends.
    EXPECT_TRUE(ReadRecorderLog(log_).empty());
    // It was not killed: it still writes its record when its wait is over.
    EXPECT_EQ(Runs(1).size(), 1u);
}

TEST_F(Commands, GrandchildHoldingTheOutputDoesNotDelayTheEnd) {
    ScopedVariable logVar(L"QY_RECORD_LOG", WideLog());
    ScopedVariable waitVar(L"QY_RECORD_WAIT_MS", L"1500");
    CommandOutcome out = RunCommandAndWait("cmd /c \"start /b \"\" \"" + recorder_ + "\" & echo parent\"", 20000);
    EXPECT_TRUE(out.finished);
    EXPECT_NE(out.output.find("parent"), Text::npos) << out.output;
    // The grandchild, which inherited the output, has not ended yet.
    EXPECT_TRUE(ReadRecorderLog(log_).empty());
    EXPECT_EQ(Runs(1).size(), 1u);
}

TEST_F(Commands, RunCommandAndWaitReportsWhatCannotStart) {
    CommandOutcome out = RunCommandAndWait("\"" + WorkFolder() + "没有这个程序.exe\"", 5000);
    EXPECT_FALSE(out.started);
    EXPECT_FALSE(out.finished);
}

TEST_F(Commands, ChildReadingInputGetsEndOfFileInsteadOfHanging) {
    CommandOutcome out = RunCommandAndWait("cmd /c \"set /p answer=问题& echo after\"", 20000);
    EXPECT_TRUE(out.finished);
    EXPECT_NE(out.output.find("after"), Text::npos) << out.output;
}

}  // namespace
