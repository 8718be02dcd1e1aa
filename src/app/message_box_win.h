// Modal message boxes, owned by the program's main window.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace app {

// The window that owns the boxes; the main window sets itself here when it
// is created and clears it when it is destroyed.
void SetBoxOwner(HWND owner);
HWND BoxOwner();

// A modal message box; returns the button pressed.
int ShowMessageBox(std::wstring_view prompt, UINT flags, std::wstring_view title);

}  // namespace app
