#include "items/store.h"

#include "runtime/ansi.h"
#include "runtime/file_io.h"
#include "runtime/numbered_files.h"
#include "runtime/program_folder.h"
#include "runtime/record_line.h"
#include "runtime/run_error.h"

namespace items {

namespace {

constexpr wchar_t kStoreTempFileName[] = L"exefiles.dat.tmp";

// The load counts items in a 16-bit signed integer, which overflows after
// the item at index 32767.
constexpr size_t kMostLoadedItems = 32768;

// Bytes a record line adds to its text: two quotes, the comma, the longer
// flag and CR LF.
constexpr size_t kRecordLineOverhead = 2 + 1 + 7 + 2;

// Closes a file number on every way out; a number already closed is ignored.
class CloseOnExit {
 public:
  explicit CloseOnExit(int number) : number_(number) {}
  CloseOnExit(const CloseOnExit&) = delete;
  CloseOnExit& operator=(const CloseOnExit&) = delete;
  ~CloseOnExit() {
    // Reached with the number still open only on the way out of a failure,
    // which is the error worth reporting; a failed close adds nothing.
    try {
      rt::Close(number_);
    } catch (const rt::RunError&) {
    }
  }

 private:
  int number_;
};

// The load loop, over any source of records: `at_end()` tells whether a
// record is left, `read_record(text, flag)` reads it or throws RunError.
template <typename AtEnd, typename ReadRecord>
StoreLoad ReadItems(AtEnd at_end, ReadRecord read_record) {
  StoreLoad load;
  std::string text_bytes;
  bool selected = false;
  std::wstring text;
  while (!at_end()) {
    // One record per line, so the record being read stands on this line.
    const int line = static_cast<int>(load.items.size()) + 1;
    bool taken = load.items.size() < kMostLoadedItems;
    if (taken) {
      try {
        read_record(text_bytes, selected);
        taken = rt::FromAnsiExact(text_bytes, text);
      } catch (const rt::RunError&) {
        taken = false;
      }
    }
    if (!taken) {
      load.stopped_at_line = line;
      break;
    }
    load.items.push_back({std::move(text), selected});
  }
  return load;
}

void WriteItems(const std::wstring& path, const std::vector<StoredItem>& items) {
  const int number = rt::FreeFile();
  rt::Open(path, rt::OpenMode::kOutput, number);
  const CloseOnExit close_on_failure(number);
  rt::WriteRecordLines(number, FormatItemStore(items));
  rt::Close(number);
}

void RemoveQuietly(const std::wstring& path) {
  try {
    if (rt::FileExists(path)) rt::RemoveFile(path);
  } catch (const rt::RunError&) {
  }
}

}  // namespace

StoreLoad LoadItemStore(const std::wstring& program_folder) {
  const std::wstring path = rt::InProgramFolder(program_folder, kStoreFileName);
  const int number = rt::FreeFile();
  try {
    rt::Open(path, rt::OpenMode::kInput, number);
  } catch (const rt::RunError& error) {
    // No store file yet (first run, or deleted): an empty list, nothing lost.
    const bool missing = error.number == rt::kFileNotFound || error.number == rt::kPathNotFound;
    return {{}, missing ? std::nullopt : std::optional<int>(1)};
  }
  const CloseOnExit close(number);
  return ReadItems([number] { return rt::EndOfFile(number); },
                   [number](std::string& text, bool& selected) {
                     rt::InputTextAndFlag(number, text, selected);
                   });
}

StoreLoad ParseItemStore(std::string_view bytes) {
  rt::RecordReader reader(bytes);
  return ReadItems(
      [&reader] { return reader.AtEnd(); },
      [&reader](std::string& text, bool& selected) { reader.ReadTextAndFlag(text, selected); });
}

std::string FormatItemStore(const std::vector<StoredItem>& items) {
  size_t size = 0;
  for (const StoredItem& item : items) size += item.text.size() + kRecordLineOverhead;
  std::string bytes;
  bytes.reserve(size);
  for (const StoredItem& item : items) {
    rt::AppendRecordLine(bytes,
                         {rt::StringField(rt::ToAnsi(item.text)), rt::BooleanField(item.selected)});
  }
  return bytes;
}

void SaveItemStore(const std::wstring& program_folder, const std::vector<StoredItem>& items,
                   bool keep_backup) {
  const std::wstring path = rt::InProgramFolder(program_folder, kStoreFileName);
  const std::wstring temp_path = rt::InProgramFolder(program_folder, kStoreTempFileName);
  const bool had_store = rt::FileExists(path);
  try {
    WriteItems(temp_path, items);
    if (keep_backup && had_store) {
      rt::CopyFileOver(path, rt::InProgramFolder(program_folder, kStoreBackupFileName));
    }
    rt::ReplaceWith(temp_path, path);
  } catch (const rt::RunError& error) {
    // A replace that failed halfway can leave the old store gone; the
    // temporary file then holds the only copy of the list and must stay.
    if (!had_store || rt::FileExists(path)) RemoveQuietly(temp_path);
    throw rt::RunError{error.number, L"清單沒有儲存到 " + path + L"。\n\n" + error.description};
  }
}

}  // namespace items
