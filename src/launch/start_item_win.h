// Starting one item of the list by its launch route.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "runtime/failure.h"
#include "runtime/process_win.h"

namespace launch {

enum class StartResult {
  kStarted,
  kNoAssociatedProgram,  // the shell knows no program that opens the item
  kNoBrowser,            // the shell knows no program that opens web pages
  kProbeNotWritten,      // the browser's lookup file could not be written anywhere
  kNotStarted,           // the shell could not start it, for the reason below
};

// How the start of an item went.
struct StartOutcome {
  StartResult result = StartResult::kStarted;
  // The process to wait for; none when the route waits for none or the start
  // created none (a document handed to a program already running).
  rt::ProcessHandle process;
  // kNotStarted: the Windows error that stopped the start, and the file the
  // shell tried to start, which the system's description of it names.
  DWORD error = 0;
  std::wstring program;
  // kProbeNotWritten: why the last place would not take the file.
  std::optional<rt::Failure> probe_failure;
};

// Starts the item by the route its text chooses, its window shown as
// `show_command` (SW_SHOWNORMAL...) asks. `owner` is the main window, the
// owner of the shell's own windows. Throws a Failure only where the shell
// itself cannot be had.
StartOutcome StartItem(const std::wstring& item_text, int show_command, HWND owner);

}  // namespace launch
