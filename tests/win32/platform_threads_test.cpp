// Background threads under Wine.
#include <windows.h>

#include <gtest/gtest.h>

#include "platform/threads.h"

namespace {

HANDLE g_ran, g_release, g_finished;
int g_argument;

void Routine(int argument) {
    g_argument = argument;
    SetEvent(g_ran);
    WaitForSingleObject(g_release, 10000);
    SetEvent(g_finished);
}

TEST(StartThread, RunsTheRoutineWithItsArgumentWithoutWaitingForIt) {
    g_ran = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_release = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    g_finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    ASSERT_TRUE(StartThread(Routine, -42));
    EXPECT_EQ(WaitForSingleObject(g_finished, 0), DWORD(WAIT_TIMEOUT)) << "StartThread waited for the routine";
    ASSERT_EQ(WaitForSingleObject(g_ran, 10000), WAIT_OBJECT_0);
    EXPECT_EQ(g_argument, -42);
    SetEvent(g_release);
    EXPECT_EQ(WaitForSingleObject(g_finished, 10000), WAIT_OBJECT_0);
}

}  // namespace
