// A started program: holding it, and waiting for it.
#pragma once

#include <windows.h>

#include <memory>

namespace rt {

struct CloseProcess {
  void operator()(HANDLE process) const { CloseHandle(process); }
};
// A process handle, closed when it goes; empty for no process.
using ProcessHandle = std::unique_ptr<void, CloseProcess>;

// Blocks until the process has ended; returns at once for nullptr. Messages
// that other threads and programs send to the window thread are still
// answered meanwhile (a program that broadcasts to all top-level windows must
// not hang on us); input and posted messages wait.
void WaitAnsweringSentMessages(HANDLE process);

}  // namespace rt
