// The window thread's event handling: the message loop, the delivery of
// waiting messages, and the dispatch that turns a failure no handler foresaw
// into a message box.
#pragma once

#include <windows.h>

#include <new>
#include <utility>

#include "runtime/failure.h"

namespace app {

// Shows a failure that no handler took.
void ReportUnforeseenFailure(const rt::Failure& failure);

// Runs one event handler. A failure that escapes it ends that handler only;
// it is shown and the program goes on.
template <typename Handler>
void Dispatch(Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const rt::Failure& failure) {
    ReportUnforeseenFailure(failure);
  } catch (const std::bad_alloc&) {
    ReportUnforeseenFailure(rt::Failure(rt::FailureKind::kOutOfMemory));
  }
}

// Sees the keyboard and mouse input of one window before it is dispatched,
// and may keep a message from going further. Input alone comes through here:
// the messages a program sends the window (LB_GETTEXT...) go straight to it
// and cost nothing more.
class InputFilter {
 public:
  // True when the filter has handled the message.
  virtual bool Filter(const MSG& message) = 0;

 protected:
  ~InputFilter() = default;
};

// Gives the window's input to the filter first; one window at a time has
// one. nullptr takes the window's filter away.
void SetInputFilter(HWND window, InputFilter* filter);

// Runs the window events that wait, then returns.
void DeliverWaitingMessages();

// Delivers events until the program's last window is gone.
int RunMessageLoop();

}  // namespace app
