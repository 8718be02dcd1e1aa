#include "runtime/process_win.h"

namespace rt {

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
