// Starting one item of the list by its launch route.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace launch {

// Starts the item by the route its text chooses, waits for the process that
// the start created (if the route waits and the start created one), then lets
// waiting events run once. A failed start is reported here, in one box.
// `owner` is the main window, the owner of the shell's own windows. Throws a
// Failure only where the shell itself cannot be had.
void RunItem(std::wstring item_text, int32_t window_style, HWND owner);

// The box for an item that could not be started: it names the item and
// gives the reason.
void ReportFailedStart(const std::wstring& item_text, const std::wstring& reason);

}  // namespace launch
