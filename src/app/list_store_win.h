// The list's items and their selected flags, kept in the store file beside
// the program between one run and the next.
#pragma once

#include <optional>
#include <string>

#include "app/list_box_win.h"
#include "items/store.h"

namespace app {

// Appends the stored items to the list, with their flags, as far as the
// store can be read; gives back how the reading went.
items::StoreReading LoadStoreIntoList(ListBox& list);

// What the save at close must know of that reading: when the file was not
// read to its end (a record it cannot read, an item the list refused,
// memory that ran out, a file that cannot be opened), the store file's
// bytes for the list as it now stands, so that a close with the same list
// leaves the file alone; nothing when the file was read whole.
std::optional<std::string> ListFromUnreadFile(const items::StoreReading& reading,
                                              const ListBox& list);

// Tells the user, once, when the reading stopped early or read a save's
// leftover temporary file (which file, from which line and why, and where
// the file is kept), and when backups of files read in part before lie
// beside the store.
void ReportStoreLoad(const items::StoreReading& reading);

// Rewrites the store from the list; `list_from_unread_file` comes from
// ListFromUnreadFile. A save that fails leaves the old store as it was and
// tells the user which file and why.
void SaveListToStore(const ListBox& list, const std::optional<std::string>& list_from_unread_file);

}  // namespace app
