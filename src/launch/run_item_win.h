// Starting one item of the list by its launch route.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace launch {

// Starts the item by the route its text chooses, waits for the process that
// the route started (if any) to end, then lets waiting events run once.
// `owner` is the main window, the owner of the shell's own messages.
void RunItem(std::wstring item_text, int32_t window_style, HWND owner);

}  // namespace launch
