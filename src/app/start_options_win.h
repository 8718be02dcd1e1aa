// How a start of Tavimo asks its window to run the ticked items: the same
// way whether the start opens the window itself or hands over to the window
// already open for its folder.
#pragma once

#include <windows.h>

#include "app/start_options.h"

namespace app {

// The options of the command line this program was started with.
StartOptions StartOptionsOfThisProgram();

// Shows one box naming the arguments Tavimo does not know and listing the
// ones it takes; shows nothing when there are none.
void ReportUnknownArguments(const StartOptions& options);

// The message that makes Tavimo's main window run its ticked items, as
// "順序執行" does; registered, so that another copy of Tavimo can send it.
UINT RunTickedItemsMessage();

// Asks the main window to run its ticked items once it has handled what
// waits before this request. Returns at once.
void AskToRunTickedItems(HWND main_window);

}  // namespace app
