// The list's items and their selected flags, kept in the store file beside
// the program between one run and the next.
#pragma once

#include "runtime/list_box_win.h"

namespace items {

// Whether the next save must first keep the store file as it is, because
// the load could not read it to its end.
enum class StoreBackup { kNotNeeded, kKeepOldFile };

// Appends the stored items to the list, with their flags. When the store
// could not be read to its end (a record it cannot read, an item the list
// refused, memory that ran out), tells the user once which file, from which
// line and why, and asks the save to keep the file.
StoreBackup LoadStoreIntoList(rt::ListBox& list);

// Rewrites the store from the list. A save that fails leaves the old store
// as it was and tells the user which file and why.
void SaveListToStore(const rt::ListBox& list, StoreBackup backup);

}  // namespace items
