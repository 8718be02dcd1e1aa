// The commands that add items to the list, remove them and move them.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/list_box_win.h"

namespace app {

// Appends the file chosen in the open-file dialog; a cancel adds nothing.
void AddFromOpenFileDialog(HWND owner, ListBox& list);

// Appends the web address typed into the input box, exactly as typed; an
// empty answer or a cancel adds nothing.
void AddTypedAddress(ListBox& list);

// Appends the first of the files dropped on the list.
void AddDroppedFile(ListBox& list, const std::vector<std::wstring>& files);

// Adds what the clipboard holds: the first of the files copied in Explorer,
// as a drop adds it, or else the first line of the text, as a typed address.
// `owner` is the main window.
void AddFromClipboard(HWND owner, ListBox& list);

// Removes the current item; with none current it does nothing.
void RemoveCurrentItem(ListBox& list);

// Moves the current item `step` places (-1 up, +1 down), its tick with it;
// with none current, or at the end it would leave by, it does nothing.
void MoveCurrentItem(ListBox& list, int step);

}  // namespace app
