// The item store file: every item's text and selected flag, in list order,
// kept in the program folder from one run of the program to the next. One
// record line per item, a string field and a Boolean field, in the system
// code page; an empty list is an empty file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace items {

inline constexpr wchar_t kStoreFileName[] = L"exefiles.dat";
inline constexpr wchar_t kStoreBackupFileName[] = L"exefiles.dat.bak";
// Where a save writes the new list before it takes the store file's place.
inline constexpr wchar_t kStoreTempFileName[] = L"exefiles.dat.tmp";

// Why a reading of the store stopped before the end of the file.
enum class StopCause {
  // A line that is no record, a text invalid in the code page, the item
  // past 32768.
  kUnreadableRecord,
  // The one taking the items threw: the list refused an item, memory ran
  // out.
  kItemRefused,
  // The file is there but could not be read at all (at line 1): another
  // program holds it open, access is denied, it is too large to hold.
  kNotOpened,
};

// How a reading of the store went.
struct StoreReading {
  // The 1-based line from which nothing was taken when reading stopped
  // before the end of the file; empty when the whole file was read.
  std::optional<int> stopped_at_line;
  StopCause cause = StopCause::kUnreadableRecord;
  // The error's own description when the cause is no unreadable record:
  // for a file not opened, its path and the system's words for the failure.
  std::wstring reason;
  // There was no store file, and the list was read from the temporary file
  // of a save that failed halfway, which held the only copy of it.
  bool from_leftover_temp = false;
};

// Takes the items of a store file one at a time, in file order, as they are
// read, so that a long list is never held twice.
class StoredItemSink {
 public:
  // Once, before the first item: room to make, for as many items as the
  // file has lines (never more than the load takes) and for its bytes.
  virtual void Expect(size_t most_items, size_t file_bytes) = 0;
  virtual void Take(const std::wstring& text, bool selected) = 0;

 protected:
  ~StoredItemSink() = default;
};

// Reads the store file in `program_folder`, handing its items to `sink`;
// gives back how the reading went. Never throws for what the file holds: it
// hands over the items before the first record it cannot take (a line it
// cannot read, a text invalid in the code page, the item past 32768) and
// says where it stopped. A missing file is an empty list, unless a save
// that failed halfway left the list in the temporary file: then that file
// is read. A file that begins with the UTF-8 signature, as Notepad saves it,
// is read as UTF-8; there a text that the system code page cannot hold is a
// record it cannot take, since the save would change it. An error the sink
// throws (a RunError or std::bad_alloc) stops the reading at the line of
// the item it was given, as an unreadable record does, so that every early
// stop is reported and keeps the file.
StoreReading ReadItemStore(const std::wstring& program_folder, StoredItemSink& sink);

// Appends one item's record line to a store file's bytes: the store file
// for a list is its items' lines in list order.
void AppendStoredItem(std::string& bytes, std::wstring_view text, bool selected);

// Rewrites the store file in `program_folder` with `bytes`, made with
// AppendStoredItem. The new bytes go to a temporary file first, which then
// takes the store file's place in one step; with `keep_backup` the old store
// file is first copied to kStoreBackupFileName. A temporary file found where
// there is no store file holds the only copy of a list (see ReadItemStore):
// it becomes the backup before anything is written. On failure the old
// store file is left as it was, the temporary file is gone (a leftover that
// could not become the backup stays), and a RunError whose description
// tells the user which file was not written and the system's reason is
// thrown. (Should the system's replace fail halfway and take the old file
// with it, the temporary file stays: it then holds the only copy of the
// list.)
void SaveStoreBytes(const std::wstring& program_folder, std::string bytes, bool keep_backup);

}  // namespace items
