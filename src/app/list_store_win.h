// The list's items and their selected flags, kept in the store file beside
// the program between one run and the next.
#pragma once

#include "items/store.h"
#include "runtime/list_box_win.h"

namespace app {

// Whether the next save must first keep the store file as it is, because
// the load could not read it to its end.
enum class StoreBackup { kNotNeeded, kKeepOldFile };

// Appends the stored items to the list, with their flags, as far as the
// store can be read; gives back how the reading went.
items::StoreReading LoadStoreIntoList(rt::ListBox& list);

// What the next save must do after that reading: keep the file as it is
// when it was not read to its end (a record it cannot read, an item the
// list refused, memory that ran out, a file that cannot be opened). A save
// keeps a leftover temporary file that the list was read from in any case.
StoreBackup BackupAfter(const items::StoreReading& reading);

// Tells the user, once, when the reading stopped early or read a save's
// leftover temporary file: which file, from which line and why, and where
// the file is kept when the window closes.
void ReportStoreLoad(const items::StoreReading& reading);

// Rewrites the store from the list. A save that fails leaves the old store
// as it was and tells the user which file and why.
void SaveListToStore(const rt::ListBox& list, StoreBackup backup);

}  // namespace app
