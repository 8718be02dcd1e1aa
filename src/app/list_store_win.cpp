#include "app/list_store_win.h"

#include <string>

#include "items/store.h"
#include "runtime/app_win.h"
#include "runtime/message_box_win.h"
#include "runtime/program_folder.h"
#include "runtime/run_error.h"
#include "runtime/texts.h"

namespace app {

namespace {

using items::StopCause;
using items::StoreReading;

// Appends the items to the list as the store file is read. Filling a long
// list is quick only with drawing off and room made first.
class ListFiller final : public items::StoredItemSink {
 public:
  explicit ListFiller(rt::ListBox& list) : list_(list), next_index_(list.ListCount()) {
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
    list_.AddItem(text);
    if (selected) list_.SetSelected(next_index_, true);
    ++next_index_;
  }

 private:
  rt::ListBox& list_;
  int next_index_;
};

// The warning's words for a reading that stopped early, after the file's
// name.
std::wstring WhereAndWhyItStopped(const StoreReading& reading) {
  switch (reading.cause) {
    case StopCause::kNotOpened:
      return texts::StoreNotOpened(reading.reason);
    case StopCause::kItemRefused:
      return texts::StoreItemRefused(*reading.stopped_at_line, reading.reason);
    case StopCause::kUnreadableRecord:
      break;
  }
  return texts::StoreUnreadable(*reading.stopped_at_line);
}

}  // namespace

StoreReading LoadStoreIntoList(rt::ListBox& list) {
  ListFiller filler(list);
  return items::ReadItemStore(rt::App::Path(), filler);
}

StoreBackup BackupAfter(const StoreReading& reading) {
  return reading.stopped_at_line ? StoreBackup::kKeepOldFile : StoreBackup::kNotNeeded;
}

void ReportStoreLoad(const StoreReading& reading) {
  if (!reading.stopped_at_line && !reading.from_leftover_temp) return;
  const std::wstring folder = rt::App::Path();
  const std::wstring store = rt::InProgramFolder(folder, items::kStoreFileName);
  const std::wstring backup = rt::InProgramFolder(folder, items::kStoreBackupFileName);
  const std::wstring where_and_why =
      reading.stopped_at_line ? WhereAndWhyItStopped(reading) : std::wstring();
  const std::wstring text = reading.from_leftover_temp
                                ? texts::LeftoverLoadWarning(
                                      store, rt::InProgramFolder(folder, items::kStoreTempFileName),
                                      where_and_why, backup)
                                : texts::StoreLoadWarning(store, where_and_why, backup);
  rt::MsgBox(text, MB_OK | MB_ICONEXCLAMATION, texts::kProgramName);
}

void SaveListToStore(const rt::ListBox& list, StoreBackup backup) {
  // Straight from the list into the file's bytes: a long list is never
  // held a second time as items.
  std::string bytes;
  const int count = list.ListCount();
  for (int i = 0; i < count; ++i) items::AppendStoredItem(bytes, list.List(i), list.Selected(i));
  try {
    items::SaveStoreBytes(rt::App::Path(), std::move(bytes), backup == StoreBackup::kKeepOldFile);
  } catch (const rt::RunError& error) {
    rt::MsgBox(error.description, MB_OK | MB_ICONEXCLAMATION, texts::kProgramName);
  }
}

}  // namespace app
