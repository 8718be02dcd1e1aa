// The commands that add items to the list and remove them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "runtime/list_box_win.h"

namespace app {

// Appends the file chosen in the open-file dialog; a cancel adds nothing.
void AddFromOpenFileDialog(HWND owner, rt::ListBox& list);

// Appends the web address typed into the input box, exactly as typed; an
// empty answer or a cancel adds nothing.
void AddTypedAddress(rt::ListBox& list);

// Appends the first of the files dropped on the list.
void AddDroppedFile(rt::ListBox& list, const std::vector<std::wstring>& files);

// Removes the current item; with none current it does nothing.
void RemoveCurrentItem(rt::ListBox& list);

}  // namespace app
