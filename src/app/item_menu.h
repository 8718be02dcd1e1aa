// The menu a right-click on an item opens: move it up or down, remove it,
// and for a file, open the folder that holds it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace app {

// Menu commands, numbered clear of the controls' ids.
enum class ItemCommand : int { kMoveUp = 200, kMoveDown, kRemove, kOpenLocation };

struct ItemMenuEntry {
  std::optional<ItemCommand> command;  // nothing: a separator
  const wchar_t* text;
  bool enabled;
};

// The entries for the item at `index` of `count` with the text: a move that
// would leave the list is greyed; the folder is offered for a file alone.
std::vector<ItemMenuEntry> ItemMenuEntries(int index, int count, const std::wstring& item_text);

// Whether the item names a file by its full path (a drive or a network
// share), not a web address.
bool NamesFile(const std::wstring& item_text);

// Where the item at `index` of `count` goes when moved by `step` places, or
// nothing when that would take it out of the list.
std::optional<int> MovedPlace(int index, int step, int count);

}  // namespace app
