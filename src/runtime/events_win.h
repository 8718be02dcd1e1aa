// The window thread's event handling: the message loop, DoEvents, and the
// dispatch that turns a run-time error into a message box.
#pragma once

#include <windows.h>

#include <new>
#include <utility>

#include "runtime/run_error.h"
#include "runtime/texts.h"

namespace rt {

// Shows an error that no handler took: its number and description.
void ReportUnhandledError(const RunError& error);

// Runs one event handler. An error that escapes it ends that handler only;
// it is shown and the program goes on.
template <typename Handler>
void Dispatch(Handler&& handler) {
  try {
    std::forward<Handler>(handler)();
  } catch (const RunError& error) {
    ReportUnhandledError(error);
  } catch (const std::bad_alloc&) {
    ReportUnhandledError(RunError{kOutOfMemory, texts::ErrorDescription(kOutOfMemory)});
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
void DoEvents();

// Delivers events until the program's last window is gone.
int RunMessageLoop();

}  // namespace rt
