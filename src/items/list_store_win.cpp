#include "items/list_store_win.h"

#include <string>
#include <vector>

#include "items/store.h"
#include "runtime/app_win.h"
#include "runtime/message_box_win.h"
#include "runtime/program_folder.h"
#include "runtime/run_error.h"

namespace items {

StoreBackup LoadStoreIntoList(rt::ListBox& list) {
  const std::wstring folder = rt::App::Path();
  const StoreLoad load = LoadItemStore(folder);

  size_t text_length = 0;
  for (const StoredItem& item : load.items) text_length += item.text.size() + 1;
  // Filling a long list is quick only with drawing off and room made first.
  list.SetRedraw(false);
  list.Reserve(static_cast<int>(load.items.size()), text_length * sizeof(wchar_t));
  const int first = list.ListCount();
  for (size_t i = 0; i < load.items.size(); ++i) {
    list.AddItem(load.items[i].text);
    if (load.items[i].selected) list.SetSelected(first + static_cast<int>(i), true);
  }
  list.SetRedraw(true);

  if (!load.stopped_at_line) return StoreBackup::kNotNeeded;
  const std::wstring store = rt::InProgramFolder(folder, kStoreFileName);
  rt::MsgBox(L"清單檔 " + store + L" 從第 " + std::to_wstring(*load.stopped_at_line) +
                 L" 行起無法讀取，那一行和之後的項目都沒有載入。\n\n"
                 L"關閉時，原來的檔案會保留為 " +
                 rt::InProgramFolder(folder, kStoreBackupFileName) + L"。",
             MB_OK | MB_ICONEXCLAMATION, L"Tavimo");
  return StoreBackup::kKeepOldFile;
}

void SaveListToStore(const rt::ListBox& list, StoreBackup backup) {
  std::vector<StoredItem> items;
  const int count = list.ListCount();
  items.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) items.push_back({list.List(i), list.Selected(i)});
  try {
    SaveItemStore(rt::App::Path(), items, backup == StoreBackup::kKeepOldFile);
  } catch (const rt::RunError& error) {
    rt::MsgBox(error.description, MB_OK | MB_ICONEXCLAMATION, L"Tavimo");
  }
}

}  // namespace items
