#include "runtime/process_win.h"

#include <string>

#include "runtime/run_error.h"

namespace rt {

namespace {
HANDLE g_started_process = nullptr;
}  // namespace

int32_t Shell(std::wstring_view command_line, int32_t window_style) {
  ReleaseStartedProcess();
  std::wstring writable(command_line);  // CreateProcessW may write into it
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(window_style);
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process)) {
    const DWORD error = GetLastError();
    const bool missing = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    Raise(missing ? kFileNotFound : kInvalidProcedureCall);
  }
  CloseHandle(process.hThread);
  g_started_process = process.hProcess;
  return static_cast<int32_t>(process.dwProcessId);
}

void ReleaseStartedProcess() {
  if (g_started_process) CloseHandle(g_started_process);
  g_started_process = nullptr;
}

void WaitAnsweringSentMessages(HANDLE process) {
  if (!process) return;
  for (;;) {
    const DWORD woken = MsgWaitForMultipleObjects(1, &process, FALSE, INFINITE, QS_SENDMESSAGE);
    if (woken != WAIT_OBJECT_0 + 1) return;  // ended, or the handle is unusable
    // Peeking delivers the messages sent to this thread and removes nothing.
    MSG message;
    PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
  }
}

}  // namespace rt
