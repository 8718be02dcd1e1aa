#include "app/item_menu_win.h"

#include "app/message_box_win.h"
#include "app/texts.h"
#include "runtime/on_demand_dlls_win.h"
#include "runtime/paths.h"
#include "runtime/system_error_win.h"

namespace app {

std::optional<ItemCommand> ChooseFromItemMenu(HWND owner, POINT screen_point,
                                              const std::vector<ItemMenuEntry>& entries) {
  const HMENU menu = CreatePopupMenu();
  if (!menu) return std::nullopt;
  for (const ItemMenuEntry& entry : entries) {
    if (!entry.command) {
      AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
      continue;
    }
    AppendMenuW(menu, MF_STRING | (entry.enabled ? MF_ENABLED : MF_GRAYED),
                static_cast<UINT_PTR>(*entry.command), entry.text);
  }
  const int chosen =
      static_cast<int>(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                      screen_point.x, screen_point.y, 0, owner, nullptr));
  DestroyMenu(menu);
  if (chosen == 0) return std::nullopt;
  return static_cast<ItemCommand>(chosen);
}

void OpenItemLocation(const std::wstring& item_text) {
  // By its long name, as Explorer shows it: an item kept by its short path
  // is found all the same.
  const std::wstring long_path = rt::LongPath(item_text);
  const std::wstring& file = long_path.empty() ? item_text : long_path;
  PIDLIST_ABSOLUTE item = nullptr;
  HRESULT result = rt::shell32::SHParseDisplayName(file.c_str(), nullptr, &item, 0, nullptr);
  if (SUCCEEDED(result)) {
    // The file's own item list selects it in its folder.
    result = rt::shell32::SHOpenFolderAndSelectItems(item, 0, nullptr, 0);
    CoTaskMemFree(item);
  }
  if (FAILED(result)) {
    const DWORD code = HRESULT_FACILITY(result) == FACILITY_WIN32
                           ? static_cast<DWORD>(HRESULT_CODE(result))
                           : static_cast<DWORD>(result);
    ShowMessageBox(texts::LocationNotOpened(
                       item_text, texts::SystemReason(code, rt::SystemErrorText(code, file))),
                   MB_OK | MB_ICONEXCLAMATION, texts::kProgramName);
  }
}

}  // namespace app
