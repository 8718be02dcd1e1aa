// Starting programs and waiting for them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string_view>

namespace rt {

// Starts the command line with the window style as its show state and
// returns the new process's id. The runtime keeps the process's handle until
// ReleaseStartedProcess, so the id cannot pass to another process before the
// caller has opened it. Raises 53 when the program is not found, 5 when it
// cannot be started.
int32_t Shell(std::wstring_view command_line, int32_t window_style);

// Lets go of the handle that Shell kept.
void ReleaseStartedProcess();

// Blocks until the process has ended. Messages that other threads and
// programs send to the window thread are still answered meanwhile (a program
// that broadcasts to all top-level windows must not hang on us); input and
// posted messages wait.
void WaitAnsweringSentMessages(HANDLE process);

}  // namespace rt
