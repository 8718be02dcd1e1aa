// Waiting for a started program.
#pragma once

#include <windows.h>

namespace rt {

// Blocks until the process has ended; returns at once for nullptr. Messages
// that other threads and programs send to the window thread are still
// answered meanwhile (a program that broadcasts to all top-level windows must
// not hang on us); input and posted messages wait.
void WaitAnsweringSentMessages(HANDLE process);

}  // namespace rt
