// The item store file: every item's text and selected flag, in list order,
// kept in the program folder from one run of the program to the next. One
// record line per item, a string field and a Boolean field, in the system
// code page; an empty list is an empty file.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "items/store_files.h"
#include "runtime/failure.h"

namespace items {

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
  // Why, when the cause is no unreadable record: the failure of the file
  // not opened, or of the one taking the items.
  std::optional<rt::Failure> failure;
  // The path of the temporary file that was read because there was no store
  // file: a save that failed halfway left the only copy of the list there.
  // Empty when the store file was read.
  std::wstring leftover_temp;
  // The path under which a save would keep the file just read, should it
  // need to: the first backup name not taken.
  std::wstring backup;
  // The paths of the backups already beside it. Each keeps a file that a
  // load could not read whole, so the list saved since may lack items.
  std::vector<std::wstring> earlier_backups;
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
// that failed halfway left the list in a temporary file: then the newest
// such file is read. A file that begins with the UTF-8 signature, as
// Notepad saves it, is read as UTF-8, and one that begins with a UTF-16
// byte-order mark (either order) as UTF-16; there a text that the system
// code page cannot hold is a record it cannot take, since the save would
// change it. A failure the sink throws (a Failure or std::bad_alloc) stops
// the reading at the line of the item it was given, as an unreadable record
// does, so that every early stop is reported and keeps the file.
StoreReading ReadItemStore(const std::wstring& program_folder, StoredItemSink& sink);

// Appends one item's record line to a store file's bytes: the store file
// for a list is its items' lines in list order.
void AppendStoredItem(std::string& bytes, std::wstring_view text, bool selected);

// Rewrites the store file in `program_folder` with `bytes`, made with
// AppendStoredItem. The bytes go to a temporary file that only this process
// writes, which then takes the store file's place in one step.
//
// `list_from_unread_file` is set when the load could not read the file it
// read (the store or a leftover temporary file) whole, to these bytes for
// the list as it was loaded. A save of the same bytes then writes nothing:
// the list is unchanged and the file keeps what was not read. A save of
// other bytes first copies the store file to a new backup; no backup is
// ever written over. Temporary files found where there is no store file
// hold the only copy of a list (see ReadItemStore): they become backups
// before anything is written, and once the store is written the leftovers
// beside it go.
//
// Gives back nothing once the store is written, else which file was not
// written and why. The old store file is left
// as it was, and so is every leftover that could not become a backup. The
// temporary file stays where it holds the only complete copy of the new
// list, because there is no store file (the first save in a folder, or a
// replace that failed halfway and took the old file with it); else it goes.
struct SaveFailure {
  std::wstring store;  // the store file's path
  rt::Failure why;
};
std::optional<SaveFailure> SaveStoreBytes(const std::wstring& program_folder,
                                          std::string_view bytes,
                                          const std::optional<std::string>& list_from_unread_file);

}  // namespace items
