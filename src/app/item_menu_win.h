// The item menu on the screen, and the command that shows an item's file in
// its folder.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "app/item_menu.h"

namespace app {

// Shows the menu at the point of the screen and waits for the user's choice;
// nothing when the menu is dismissed.
std::optional<ItemCommand> ChooseFromItemMenu(HWND owner, POINT screen_point,
                                              const std::vector<ItemMenuEntry>& entries);

// Opens the folder that holds the item's file in Explorer, with the file
// selected. A file the shell cannot find is reported in a box.
void OpenItemLocation(const std::wstring& item_text);

}  // namespace app
