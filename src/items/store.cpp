#include "items/store.h"

#include <algorithm>
#include <new>
#include <utility>

#include "items/record_line.h"
#include "runtime/ansi.h"
#include "runtime/file_io.h"
#include "runtime/numbered_files.h"
#include "runtime/program_folder.h"
#include "runtime/run_error.h"
#include "runtime/texts.h"

namespace items {

namespace {

// The load counts items in a 16-bit signed integer, which overflows after
// the item at index 32767.
constexpr size_t kMostLoadedItems = 32768;

// What Notepad writes at the start of a file it saves as UTF-8.
constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";

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

// A record's text from the file: in the system code page, or in UTF-8 in a
// file that begins with the UTF-8 signature. A UTF-8 text is taken only if
// the system code page holds it: the save writes that code page, and an
// item must not change by being saved.
bool TakeText(std::string_view bytes, bool utf8, std::wstring& text) {
  if (!utf8) return rt::FromAnsiExact(bytes, text);
  std::string as_saved;
  return rt::FromUtf8Exact(bytes, text) && rt::ToAnsiExact(text, as_saved);
}

StoreReading StoppedAt(int line, StopCause cause, std::wstring reason = {}) {
  return {line, cause, std::move(reason)};
}

// The load loop over a store file's bytes; gives back the line of the first
// record it cannot take, or of the item that the sink refused.
StoreReading ReadItems(std::string_view bytes, StoredItemSink& sink) {
  const bool utf8 = bytes.substr(0, kUtf8Signature.size()) == kUtf8Signature;
  if (utf8) bytes.remove_prefix(kUtf8Signature.size());
  RecordReader reader(bytes);
  // A failure before the first record is read stops at line 1.
  const auto failed_line = [&reader] { return std::max(reader.Line(), 1); };
  try {
    // Lines end in LF, CR LF or a lone CR; counting LFs and the last line
    // makes room for all but lone-CR files, which only grow the room later.
    const size_t lines = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    sink.Expect(std::min(lines, kMostLoadedItems), bytes.size());
    std::string text_bytes;
    bool selected = false;
    std::wstring text;
    for (size_t taken_items = 0; !reader.AtEnd(); ++taken_items) {
      bool taken = false;
      try {
        reader.ReadTextAndFlag(text_bytes, selected);
        taken = taken_items < kMostLoadedItems && TakeText(text_bytes, utf8, text);
      } catch (const rt::RunError&) {
      }
      if (!taken) return StoppedAt(reader.Line(), StopCause::kUnreadableRecord);
      sink.Take(text, selected);
    }
  } catch (const rt::RunError& error) {
    return StoppedAt(failed_line(), StopCause::kItemRefused, error.description);
  } catch (const std::bad_alloc&) {
    return StoppedAt(failed_line(), StopCause::kItemRefused,
                     texts::ErrorDescription(rt::kOutOfMemory));
  }
  return {};
}

bool IsMissing(const rt::RunError& error) {
  return error.number == rt::kFileNotFound || error.number == rt::kPathNotFound;
}

// The store file's bytes, read whole and counted for room before parsing.
// Where there is no store file but a temporary file, a save failed halfway
// and left the only copy of the list there: its bytes, and
// `from_leftover_temp` set.
std::string ReadStoreOrLeftover(const std::wstring& program_folder, bool& from_leftover_temp) {
  const std::wstring temp_path = rt::InProgramFolder(program_folder, kStoreTempFileName);
  try {
    return rt::ReadFileBytes(rt::InProgramFolder(program_folder, kStoreFileName));
  } catch (const rt::RunError& error) {
    if (!IsMissing(error) || !rt::FileExists(temp_path)) throw;
  }
  from_leftover_temp = true;
  return rt::ReadFileBytes(temp_path);
}

void WriteBytes(const std::wstring& path, std::string bytes) {
  const int number = rt::FreeFile();
  rt::OpenForOutput(path, number);
  const CloseOnExit close_on_failure(number);
  rt::WriteRecordLines(number, std::move(bytes));
  rt::Close(number);
}

void RemoveQuietly(const std::wstring& path) {
  try {
    if (rt::FileExists(path)) rt::RemoveFile(path);
  } catch (const rt::RunError&) {
  }
}

}  // namespace

StoreReading ReadItemStore(const std::wstring& program_folder, StoredItemSink& sink) {
  bool from_leftover_temp = false;
  StoreReading reading;
  try {
    // ReadItems throws nothing: what is caught here comes from the file.
    reading = ReadItems(ReadStoreOrLeftover(program_folder, from_leftover_temp), sink);
  } catch (const rt::RunError& error) {
    // No store file yet (first run, or deleted): an empty list, nothing lost.
    if (IsMissing(error) && !from_leftover_temp) return {};
    reading = StoppedAt(1, StopCause::kNotOpened, error.description);
  } catch (const std::bad_alloc&) {
    reading = StoppedAt(1, StopCause::kNotOpened, texts::ErrorDescription(rt::kOutOfMemory));
  }
  reading.from_leftover_temp = from_leftover_temp;
  return reading;
}

void AppendStoredItem(std::string& bytes, std::wstring_view text, bool selected) {
  AppendRecordLine(bytes, {StringField(rt::ToAnsi(text)), BooleanField(selected)});
}

void SaveStoreBytes(const std::wstring& program_folder, std::string bytes, bool keep_backup) {
  const std::wstring path = rt::InProgramFolder(program_folder, kStoreFileName);
  const std::wstring temp_path = rt::InProgramFolder(program_folder, kStoreTempFileName);
  const std::wstring backup_path = rt::InProgramFolder(program_folder, kStoreBackupFileName);
  const bool had_store = rt::FileExists(path);
  bool temp_is_new = false;
  try {
    // With no store file, a temporary file is the only copy of a list,
    // left by a save that failed halfway.
    if (!had_store && rt::FileExists(temp_path)) rt::ReplaceWith(temp_path, backup_path);
    temp_is_new = true;
    WriteBytes(temp_path, std::move(bytes));
    if (keep_backup && had_store) rt::CopyFileOver(path, backup_path);
    rt::ReplaceWith(temp_path, path);
  } catch (const rt::RunError& error) {
    // A replace that failed halfway can leave the old store gone; the
    // temporary file then holds the only copy of the list and must stay.
    if (temp_is_new && (!had_store || rt::FileExists(path))) RemoveQuietly(temp_path);
    throw rt::RunError{error.number, texts::StoreNotSaved(path, error.description)};
  }
}

}  // namespace items
