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

// Runs the window events that wait, then returns.
void DoEvents();

// Delivers events until the program's last window is gone.
int RunMessageLoop();

}  // namespace rt
