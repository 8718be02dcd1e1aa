#include "items/entry_win.h"

#include <cderr.h>

#include <string>

#include "items/new_item.h"
#include "runtime/ansi.h"
#include "runtime/app_win.h"
#include "runtime/message_box_win.h"
#include "runtime/on_demand_dlls_win.h"

namespace items {

namespace {

constexpr wchar_t kEntryTitle[] = L"加入項目";
// The dialog's buffers, in bytes of the system code page, NUL included.
constexpr DWORD kFileBufferSize = 255;

std::wstring ShortPathOf(const std::wstring& path) {
  const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring short_path(size, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), short_path.data(), size);
  short_path.resize(length < size ? length : 0);
  return short_path;
}

void TellNotStorable(const std::wstring& text) {
  rt::MsgBox(L"無法加入這個項目：其中有系統字碼頁無法儲存的字元。\n\n" + text,
             MB_OK | MB_ICONEXCLAMATION, kEntryTitle);
}

// Appends the text unless the list is full or the store could not give it
// back exactly; then the user is told and nothing is added.
void Append(rt::ListBox& list, std::wstring text, bool names_file) {
  const NewItem item = CheckNewItem(std::move(text), list.ListCount(), names_file, ShortPathOf);
  switch (item.verdict) {
    case NewItemVerdict::kAdd:
      list.AddItem(item.text);
      break;
    case NewItemVerdict::kListFull:
      rt::MsgBox(L"清單已滿：最多只能有 " + std::to_wstring(kMaxItems) + L" 個項目。",
                 MB_OK | MB_ICONEXCLAMATION, kEntryTitle);
      break;
    case NewItemVerdict::kNotStorable:
      TellNotStorable(item.text);
      break;
  }
}

// A path the ANSI dialog could not express comes back with "?" for each such
// character; no real path holds one.
bool LostInConversion(const std::string& path) { return path.find('?') != std::string::npos; }

}  // namespace

void AddFromOpenFileDialog(HWND owner, rt::ListBox& list) {
  const std::string filter = rt::ToAnsi(L"加入的檔案 (*.*)") + '\0' + "*.*" + '\0';
  const std::string initial_folder = rt::ToAnsi(rt::App::Path());
  const std::string title = rt::ToAnsi(kEntryTitle);
  std::string file(kFileBufferSize, '\0');
  std::string file_title(kFileBufferSize, '\0');

  OPENFILENAMEA record{};
  record.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // 76 bytes
  record.hwndOwner = owner;
  record.hInstance = rt::App::hInstance();
  record.lpstrFilter = filter.c_str();  // the string's own NUL closes the list
  record.lpstrFile = file.data();
  record.nMaxFile = kFileBufferSize;
  record.lpstrFileTitle = file_title.data();
  record.nMaxFileTitle = kFileBufferSize;
  record.lpstrInitialDir = initial_folder.c_str();
  record.lpstrTitle = title.c_str();
  record.Flags = 0;

  if (!rt::comdlg32::GetOpenFileNameA(&record)) {
    const DWORD error = rt::comdlg32::CommDlgExtendedError();
    if (error == FNERR_BUFFERTOOSMALL) {
      rt::MsgBox(L"所選檔案的路徑太長，無法加入（最多 " + std::to_wstring(kFileBufferSize - 1) +
                     L" 個位元組）。",
                 MB_OK | MB_ICONEXCLAMATION, kEntryTitle);
    } else if (error != 0) {
      rt::MsgBox(L"無法開啟選擇檔案的對話方塊（錯誤碼 " + std::to_wstring(error) + L"）。",
                 MB_OK | MB_ICONEXCLAMATION, kEntryTitle);
    }
    return;  // a plain cancel says nothing
  }
  const size_t path_end = file.find('\0');
  if (path_end != std::string::npos) file.resize(path_end);
  std::wstring path = rt::FromAnsi(file);
  if (LostInConversion(file)) {
    TellNotStorable(path);
    return;
  }
  Append(list, std::move(path), true);
}

void AddTypedAddress(rt::ListBox& list) {
  std::wstring answer = rt::InputBox(L"請輸入網址", kEntryTitle);
  if (answer.empty()) return;
  Append(list, std::move(answer), false);
}

void AddDroppedFile(rt::ListBox& list, const std::vector<std::wstring>& files) {
  if (files.empty()) return;
  Append(list, files.front(), true);
}

void RemoveCurrentItem(rt::ListBox& list) {
  const int current = list.ListIndex();
  if (current < 0) return;
  list.RemoveItem(current);
}

}  // namespace items
