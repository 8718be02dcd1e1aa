// The files beside the store file: the temporary file into which a save
// writes the new list before it takes the store's place, and the backups
// that keep a store file that could not be read whole. Their names, and
// which names are theirs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace items {

inline constexpr wchar_t kStoreFileName[] = L"exefiles.dat";
// The temporary file of earlier versions' saves, one name for every copy of
// the program; still read when a save of theirs failed halfway.
inline constexpr wchar_t kSharedTempFileName[] = L"exefiles.dat.tmp";
// Backups are numbered up to this, the first unnumbered.
inline constexpr int kMostBackups = 99;

// The temporary file of a save by the process `process_id`, a name that no
// other running program writes: exefiles.dat.<id>.tmp.
std::wstring SaveTempFileName(uint32_t process_id);

// True for the name of a save's temporary file, this version's or an
// earlier one's, in any letter case.
bool IsSaveTempFileName(std::wstring_view name);

// The backup of the given number, from 1: exefiles.dat.bak, then
// exefiles.dat.2.bak, exefiles.dat.3.bak...
std::wstring BackupFileName(int number);

// True for the name of a backup, in any letter case.
bool IsBackupFileName(std::wstring_view name);

}  // namespace items
