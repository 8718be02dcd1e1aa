#include "app/item_menu.h"

#include "app/texts.h"
#include "launch/route.h"

namespace app {

bool NamesFile(const std::wstring& item_text) {
  if (launch::ChooseRoute(item_text) == launch::LaunchRoute::kWeb) return false;
  const bool on_drive = item_text.size() >= 3 && item_text[1] == L':' && item_text[2] == L'\\';
  const bool on_share = item_text.rfind(L"\\\\", 0) == 0;
  return on_drive || on_share;
}

std::optional<int> MovedPlace(int index, int step, int count) {
  const int place = index + step;
  if (index < 0 || place < 0 || place >= count) return std::nullopt;
  return place;
}

std::vector<ItemMenuEntry> ItemMenuEntries(int index, int count, const std::wstring& item_text) {
  std::vector<ItemMenuEntry> entries = {
      {ItemCommand::kMoveUp, texts::kMoveUpEntry, MovedPlace(index, -1, count).has_value()},
      {ItemCommand::kMoveDown, texts::kMoveDownEntry, MovedPlace(index, 1, count).has_value()},
      {ItemCommand::kRemove, texts::kRemoveEntry, true},
  };
  if (NamesFile(item_text)) {
    entries.push_back({std::nullopt, L"", false});
    entries.push_back({ItemCommand::kOpenLocation, texts::kOpenLocationEntry, true});
  }
  return entries;
}

}  // namespace app
