#include "app/list_store_win.h"

#include <string>

#include "app/message_box_win.h"
#include "app/texts.h"
#include "items/store.h"
#include "runtime/paths.h"

namespace app {

namespace {

using items::StopCause;
using items::StoreReading;

// Appends the items to the list as the store file is read. Filling a long
// list is quick only with drawing off and room made first.
class ListFiller final : public items::StoredItemSink {
 public:
  explicit ListFiller(ListBox& list) : list_(list), next_index_(list.Count()) {
    list_.SetRedraw(false);
  }
  ~ListFiller() { list_.SetRedraw(true); }
  ListFiller(const ListFiller&) = delete;
  ListFiller& operator=(const ListFiller&) = delete;

  void Expect(size_t most_items, size_t file_bytes) override {
    // The texts take fewer characters than the file has bytes.
    list_.Reserve(static_cast<int>(most_items), file_bytes * sizeof(wchar_t));
  }
  void Take(const std::wstring& text, bool selected) override {
    list_.Append(text);
    if (selected) list_.SetSelected(next_index_, true);
    ++next_index_;
  }

 private:
  ListBox& list_;
  int next_index_;
};

// The warning's words for a reading that stopped early, after the file's
// name.
std::wstring WhereAndWhyItStopped(const StoreReading& reading) {
  switch (reading.cause) {
    case StopCause::kNotOpened:
      return texts::StoreNotOpened(texts::FailureDescription(*reading.failure));
    case StopCause::kItemRefused:
      return texts::StoreItemRefused(*reading.stopped_at_line,
                                     texts::FailureDescription(*reading.failure));
    case StopCause::kUnreadableRecord:
      break;
  }
  return texts::StoreUnreadable(*reading.stopped_at_line);
}

// The store file's bytes for the list, straight from the list: a long list
// is never held a second time as items.
std::string StoreBytesOf(const ListBox& list) {
  std::string bytes;
  const int count = list.Count();
  for (int i = 0; i < count; ++i) items::AppendStoredItem(bytes, list.Text(i), list.IsSelected(i));
  return bytes;
}

}  // namespace

StoreReading LoadStoreIntoList(ListBox& list) {
  ListFiller filler(list);
  return items::ReadItemStore(rt::ProgramFolder(), filler);
}

std::optional<std::string> ListFromUnreadFile(const StoreReading& reading, const ListBox& list) {
  if (!reading.stopped_at_line) return std::nullopt;
  return StoreBytesOf(list);
}

void ReportStoreLoad(const StoreReading& reading) {
  const std::wstring store = rt::PathInFolder(rt::ProgramFolder(), items::kStoreFileName);
  const std::wstring where_and_why =
      reading.stopped_at_line ? WhereAndWhyItStopped(reading) : std::wstring();
  std::wstring text;
  if (!reading.leftover_temp.empty()) {
    text = texts::LeftoverLoadWarning(store, reading.leftover_temp, where_and_why, reading.backup);
  } else if (reading.stopped_at_line) {
    text = texts::StoreLoadWarning(store, where_and_why, reading.backup);
  }
  if (!reading.earlier_backups.empty()) {
    if (!text.empty()) text += L"\n\n";
    text += texts::EarlierBackups(reading.earlier_backups);
  }
  if (!text.empty()) ShowMessageBox(text, MB_OK | MB_ICONEXCLAMATION, texts::kProgramName);
}

void SaveListToStore(const ListBox& list, const std::optional<std::string>& list_from_unread_file) {
  const std::optional<items::SaveFailure> failure =
      items::SaveStoreBytes(rt::ProgramFolder(), StoreBytesOf(list), list_from_unread_file);
  if (failure) {
    ShowMessageBox(texts::StoreNotSaved(failure->store, texts::FailureDescription(failure->why)),
                   MB_OK | MB_ICONEXCLAMATION, texts::kProgramName);
  }
}

}  // namespace app
