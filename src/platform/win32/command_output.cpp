#include <windows.h>

#include "platform/commands.h"
#include "platform/win32/handles.h"
#include "platform/win32/process_start.h"

namespace {

const DWORD kPipeBuffer = 64 * 1024;
const DWORD kPollMs = 10;
// After the process has ended, how long output still trickling in is awaited
// while something (a grandchild) keeps the pipe open.
const DWORD kAfterEndMs = 100;

// Takes what is in the pipe now without ever blocking: a grandchild may hold
// the write end open long after the process itself has ended. Returns false
// once every writer has closed the pipe and it is empty.
bool DrainAvailable(HANDLE pipe, Text& output) {
    char chunk[8192];
    for (;;) {
        DWORD available = 0;
        if (!PeekNamedPipe(pipe, nullptr, 0, nullptr, &available, nullptr)) return false;
        if (available == 0) return true;
        DWORD got = 0;
        DWORD want = available < sizeof chunk ? available : DWORD(sizeof chunk);
        if (!ReadFile(pipe, chunk, want, &got, nullptr) || got == 0) return false;
        output.append(chunk, got);
    }
}

void DrainAfterEnd(HANDLE pipe, Text& output) {
    DWORD start = GetTickCount();
    while (DrainAvailable(pipe, output) && GetTickCount() - start < kAfterEndMs) Sleep(5);
}

// The child's stdin reads as empty, so a tool that asks a question ends
// instead of waiting for an answer nobody can type.
HANDLE OpenNulForInput() {
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    return CreateFileW(L"NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0,
                       nullptr);
}

}  // namespace

CommandOutcome RunCommandAndWait(const Text& commandLine, int timeoutMs, const Text& workFolder) {
    CommandOutcome outcome;
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    UniqueHandle readEnd, writeEnd;
    if (!CreatePipe(readEnd.out(), writeEnd.out(), &inherit, kPipeBuffer)) return outcome;
    SetHandleInformation(readEnd.get(), HANDLE_FLAG_INHERIT, 0);
    UniqueHandle input(OpenNulForInput());

    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW | STARTF_USESTDHANDLES;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = input.valid() ? input.get() : nullptr;
    startup.hStdOutput = writeEnd.get();
    startup.hStdError = writeEnd.get();
    ProcessHandles process;
    if (!StartProcess(commandLine, workFolder, startup, true, CREATE_NO_WINDOW, process)) return outcome;
    outcome.started = true;
    // Only the child may hold the write end now, or the pipe would never end.
    writeEnd.Close();
    input.Close();

    DWORD start = GetTickCount();
    DWORD bound = timeoutMs > 0 ? DWORD(timeoutMs) : 0;
    for (;;) {
        DWORD elapsed = GetTickCount() - start;
        DWORD wait = elapsed >= bound ? 0 : (bound - elapsed < kPollMs ? bound - elapsed : kPollMs);
        DWORD state = WaitForSingleObject(process.process.get(), wait);
        if (state == WAIT_OBJECT_0) break;
        DrainAvailable(readEnd.get(), outcome.output);
        if (state != WAIT_TIMEOUT || elapsed >= bound) return outcome;  // left running
    }
    DrainAfterEnd(readEnd.get(), outcome.output);
    DWORD code = 0;
    if (GetExitCodeProcess(process.process.get(), &code)) {
        outcome.finished = true;
        outcome.exitCode = int(code);
    }
    return outcome;
}
