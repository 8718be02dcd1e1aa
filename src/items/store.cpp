#include "items/store.h"

#include <algorithm>
#include <new>
#include <utility>
#include <vector>

#include "items/record_line.h"
#include "runtime/ansi.h"
#include "runtime/failure.h"
#include "runtime/file_io.h"
#include "runtime/paths.h"
#include "runtime/utf16.h"

namespace items {

namespace {

// The load counts items in a 16-bit signed integer, which overflows after
// the item at index 32767.
constexpr size_t kMostLoadedItems = 32768;

// What Notepad writes at the start of a file it saves as UTF-8, and the
// byte-order marks of UTF-16 ("Unicode" to Notepad).
constexpr std::string_view kUtf8Signature = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

bool StartsWith(std::string_view bytes, std::string_view start) {
  return bytes.substr(0, start.size()) == start;
}

// A record's text from the file: in the system code page, or in UTF-8 in a
// file that begins with the UTF-8 signature or was UTF-16. A UTF-8 text is
// taken only if the system code page holds it: the save writes that code
// page, and an item must not change by being saved.
bool TakeText(std::string_view bytes, bool utf8, std::wstring& text) {
  if (!utf8) return rt::FromAnsiExact(bytes, text);
  std::string as_saved;
  return rt::FromUtf8Exact(bytes, text) && rt::ToAnsiExact(text, as_saved);
}

StoreReading StoppedAt(int line, StopCause cause, std::optional<rt::Failure> failure = {}) {
  StoreReading reading;
  reading.stopped_at_line = line;
  reading.cause = cause;
  reading.failure = std::move(failure);
  return reading;
}

// The load loop over a store file's bytes; gives back the line of the first
// record it cannot take, or of the item that the sink refused.
StoreReading ReadItems(std::string_view bytes, StoredItemSink& sink) {
  // UTF-16 is read as the UTF-8 it converts to, line for line the same.
  std::string from_utf16;
  bool utf8 = true;
  if (StartsWith(bytes, kUtf16LittleEndianMark) || StartsWith(bytes, kUtf16BigEndianMark)) {
    const auto order = StartsWith(bytes, kUtf16BigEndianMark) ? rt::ByteOrder::kBigEndian
                                                              : rt::ByteOrder::kLittleEndian;
    from_utf16 = rt::Utf8FromUtf16(bytes.substr(kUtf16LittleEndianMark.size()), order);
    bytes = from_utf16;
  } else if (StartsWith(bytes, kUtf8Signature)) {
    bytes.remove_prefix(kUtf8Signature.size());
  } else {
    utf8 = false;
  }
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
      const bool taken = reader.ReadTextAndFlag(text_bytes, selected) &&
                         taken_items < kMostLoadedItems && TakeText(text_bytes, utf8, text);
      if (!taken) return StoppedAt(reader.Line(), StopCause::kUnreadableRecord);
      sink.Take(text, selected);
    }
  } catch (const rt::Failure& failure) {
    return StoppedAt(failed_line(), StopCause::kItemRefused, failure);
  } catch (const std::bad_alloc&) {
    return StoppedAt(failed_line(), StopCause::kItemRefused,
                     rt::Failure(rt::FailureKind::kOutOfMemory));
  }
  return {};
}

bool IsMissing(const rt::Failure& failure) {
  return failure.kind == rt::FailureKind::kFileNotFound ||
         failure.kind == rt::FailureKind::kPathNotFound;
}

// The temporary files of saves that did not end, newest first.
std::vector<rt::FoundFile> Leftovers(const std::wstring& program_folder) {
  std::vector<rt::FoundFile> leftovers = rt::FilesNamedFrom(program_folder, kStoreFileName);
  leftovers.erase(
      std::remove_if(leftovers.begin(), leftovers.end(),
                     [](const rt::FoundFile& file) { return !IsSaveTempFileName(file.name); }),
      leftovers.end());
  std::sort(leftovers.begin(), leftovers.end(), [](const rt::FoundFile& a, const rt::FoundFile& b) {
    return a.last_written > b.last_written;
  });
  return leftovers;
}

// The store file's bytes, read whole and counted for room before parsing.
// Where there is no store file but temporary files, a save failed halfway
// and left the only copy of the list there: the newest one's bytes, and
// its path in `leftover_temp`.
std::string ReadStoreOrLeftover(const std::wstring& program_folder, std::wstring& leftover_temp) {
  try {
    return rt::ReadFileBytes(rt::PathInFolder(program_folder, kStoreFileName));
  } catch (const rt::Failure& failure) {
    if (!IsMissing(failure)) throw;
  }
  const std::vector<rt::FoundFile> leftovers = Leftovers(program_folder);
  if (leftovers.empty()) throw rt::Failure(rt::FailureKind::kFileNotFound);
  leftover_temp = rt::PathInFolder(program_folder, leftovers.front().name);
  return rt::ReadFileBytes(leftover_temp);
}

std::wstring BackupPath(const std::wstring& program_folder, int number) {
  return rt::PathInFolder(program_folder, BackupFileName(number));
}

// The first backup name not taken; the last one when all are.
std::wstring FirstFreeBackup(const std::wstring& program_folder) {
  int number = 1;
  while (number < kMostBackups && rt::FileExists(BackupPath(program_folder, number))) ++number;
  return BackupPath(program_folder, number);
}

std::vector<std::wstring> EarlierBackups(const std::wstring& program_folder) {
  std::vector<std::wstring> backups;
  for (const rt::FoundFile& file : rt::FilesNamedFrom(program_folder, kStoreFileName)) {
    if (IsBackupFileName(file.name)) {
      backups.push_back(rt::PathInFolder(program_folder, file.name));
    }
  }
  std::sort(backups.begin(), backups.end());
  return backups;
}

// Keeps a file as a backup under the first name not taken: `keep_as` puts
// it under the name it is given, failing with kFileExists when the name is
// taken.
template <typename KeepAs>
void KeepAsNewBackup(const std::wstring& program_folder, KeepAs keep_as) {
  for (int number = 1;; ++number) {
    try {
      keep_as(BackupPath(program_folder, number));
      return;
    } catch (const rt::Failure& failure) {
      if (failure.kind != rt::FailureKind::kFileExists || number == kMostBackups) throw;
    }
  }
}

void RemoveQuietly(const std::wstring& path) {
  try {
    if (rt::FileExists(path)) rt::RemoveFile(path);
  } catch (const rt::Failure&) {
  }
}

}  // namespace

StoreReading ReadItemStore(const std::wstring& program_folder, StoredItemSink& sink) {
  std::wstring leftover_temp;
  StoreReading reading;
  try {
    // ReadItems throws nothing: what is caught here comes from the file.
    reading = ReadItems(ReadStoreOrLeftover(program_folder, leftover_temp), sink);
  } catch (const rt::Failure& failure) {
    // No store file yet (first run, or deleted) is an empty list.
    if (!IsMissing(failure) || !leftover_temp.empty()) {
      reading = StoppedAt(1, StopCause::kNotOpened, failure);
    }
  } catch (const std::bad_alloc&) {
    reading = StoppedAt(1, StopCause::kNotOpened, rt::Failure(rt::FailureKind::kOutOfMemory));
  }
  reading.leftover_temp = std::move(leftover_temp);
  reading.backup = FirstFreeBackup(program_folder);
  reading.earlier_backups = EarlierBackups(program_folder);
  return reading;
}

void AppendStoredItem(std::string& bytes, std::wstring_view text, bool selected) {
  AppendRecordLine(bytes, {StringField(rt::ToAnsi(text)), BooleanField(selected)});
}

std::optional<SaveFailure> SaveStoreBytes(const std::wstring& program_folder,
                                          std::string_view bytes,
                                          const std::optional<std::string>& list_from_unread_file) {
  if (list_from_unread_file == bytes) return std::nullopt;
  const std::wstring path = rt::PathInFolder(program_folder, kStoreFileName);
  const std::wstring temp_path =
      rt::PathInFolder(program_folder, SaveTempFileName(rt::ThisProcessId()));
  const bool had_store = rt::FileExists(path);
  bool written = false;
  try {
    if (!had_store) {
      for (const rt::FoundFile& leftover : Leftovers(program_folder)) {
        const std::wstring leftover_path = rt::PathInFolder(program_folder, leftover.name);
        KeepAsNewBackup(program_folder, [&](const std::wstring& backup) {
          rt::RenameToNewName(leftover_path, backup);
        });
      }
    }
    rt::WriteWholeFile(temp_path, bytes);
    written = true;
    if (list_from_unread_file && had_store) {
      KeepAsNewBackup(program_folder,
                      [&](const std::wstring& backup) { rt::CopyToNewFile(path, backup); });
    }
    rt::ReplaceWith(temp_path, path);
  } catch (const rt::Failure& failure) {
    if (!written || rt::FileExists(path)) RemoveQuietly(temp_path);
    return SaveFailure{path, failure};
  }
  for (const rt::FoundFile& leftover : Leftovers(program_folder)) {
    RemoveQuietly(rt::PathInFolder(program_folder, leftover.name));
  }
  return std::nullopt;
}

}  // namespace items
