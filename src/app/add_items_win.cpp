#include "app/add_items_win.h"

#include <cderr.h>

#include <optional>
#include <string>

#include "app/clipboard_win.h"
#include "app/input_box_win.h"
#include "app/item_menu.h"
#include "app/message_box_win.h"
#include "app/texts.h"
#include "items/new_item.h"
#include "launch/route.h"
#include "runtime/on_demand_dlls_win.h"
#include "runtime/paths.h"

namespace app {

namespace {

using items::CheckNewItem;
using items::kMaxItems;
using items::NewItem;
using items::NewItemVerdict;

using texts::kEntryTitle;
// The dialog's buffers, in characters: room for any path it can show, so that
// the length is judged on the path itself.
constexpr DWORD kDialogBufferChars = 1024;

// Appends the item unless the list is full or the store could not give it
// back exactly; then the user is told and nothing is added.
void Append(ListBox& list, const NewItem& item) {
  switch (item.verdict) {
    case NewItemVerdict::kAdd:
      list.Append(item.text);
      break;
    case NewItemVerdict::kListFull:
      ShowMessageBox(texts::ListFull(kMaxItems), MB_OK | MB_ICONEXCLAMATION, kEntryTitle);
      break;
    case NewItemVerdict::kNotStorable:
      ShowMessageBox(texts::NotStorable(item.text), MB_OK | MB_ICONEXCLAMATION, kEntryTitle);
      break;
  }
}

void TellTooLong() {
  ShowMessageBox(texts::ItemTooLong(launch::kLongestItem), MB_OK | MB_ICONEXCLAMATION, kEntryTitle);
}

// Every way in takes the same limit: the longest item that every route can
// start, measured on the text as it comes in (a file by its long name, which
// is what its start uses).
void Add(ListBox& list, std::wstring text, bool names_file) {
  if (text.size() > launch::kLongestItem) {
    TellTooLong();
    return;
  }
  Append(list, CheckNewItem(std::move(text), list.Count(), names_file, rt::ShortPath));
}

}  // namespace

void AddFromOpenFileDialog(HWND owner, ListBox& list) {
  const std::wstring filter = std::wstring(texts::kFileTypeName) + L'\0' + L"*.*" + L'\0';
  const std::wstring initial_folder = rt::ProgramFolder();
  std::wstring file(kDialogBufferChars, L'\0');
  std::wstring file_title(kDialogBufferChars, L'\0');

  OPENFILENAMEW record{};
  record.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  record.hwndOwner = owner;
  record.hInstance = GetModuleHandleW(nullptr);
  record.lpstrFilter = filter.c_str();  // the string's own NUL closes the list
  record.lpstrFile = file.data();
  // One less than the buffer holds, so that its last NUL always ends the path.
  record.nMaxFile = kDialogBufferChars - 1;
  record.lpstrFileTitle = file_title.data();
  record.nMaxFileTitle = kDialogBufferChars;
  record.lpstrInitialDir = initial_folder.c_str();
  record.lpstrTitle = kEntryTitle;
  // The dialog otherwise makes the chosen folder the program's current one,
  // holding it open (a stick could not be ejected).
  record.Flags = OFN_NOCHANGEDIR;

  if (!rt::comdlg32::GetOpenFileNameW(&record)) {
    const DWORD error = rt::comdlg32::CommDlgExtendedError();
    if (error == FNERR_BUFFERTOOSMALL) {
      TellTooLong();
    } else if (error != 0) {
      ShowMessageBox(texts::DialogFailed(error), MB_OK | MB_ICONEXCLAMATION, kEntryTitle);
    }
    return;  // a plain cancel says nothing
  }
  file.resize(file.find(L'\0'));
  Add(list, std::move(file), true);
}

void AddTypedAddress(ListBox& list) {
  std::wstring answer = InputBox(texts::kAddressPrompt, kEntryTitle);
  if (answer.empty()) return;
  Add(list, std::move(answer), false);
}

void AddFromClipboard(HWND owner, ListBox& list) {
  const ClipboardItems pasted = ReadClipboard(owner);
  if (!pasted.files.empty()) {
    AddDroppedFile(list, pasted.files);
    return;
  }
  if (!pasted.text) return;
  std::wstring line = items::PastedLine(*pasted.text);
  if (line.empty()) return;
  Add(list, std::move(line), false);
}

void AddDroppedFile(ListBox& list, const std::vector<std::wstring>& files) {
  if (files.empty()) return;
  Add(list, files.front(), true);
}

void RemoveCurrentItem(ListBox& list) {
  const int current = list.CurrentIndex();
  if (current < 0) return;
  list.Remove(current);
}

void MoveCurrentItem(ListBox& list, int step) {
  const int current = list.CurrentIndex();
  const std::optional<int> place = MovedPlace(current, step, list.Count());
  if (place) list.Move(current, *place);
}

}  // namespace app
