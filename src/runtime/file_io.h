// Whole-file byte I/O under wide paths: the small platform layer that the
// item store and the browser's probe file sit on. Every failure throws a
// Failure of its kind (kFileNotFound, kFileExists, kAccessDenied...) naming
// the path, with the system's own code and words for the failure.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rt {

// The whole file, read at once.
std::string ReadFileBytes(const std::wstring& path);

// Creates the file, or empties it, writes `bytes`, makes them reach the disk
// and closes it: all through one handle, so that a failure at any step is
// this call's. A file it could not finish is deleted again.
void WriteWholeFile(const std::wstring& path, std::string_view bytes);

// True for an existing file; false for a folder or nothing.
bool FileExists(const std::wstring& path);

// Deletes a file; kFileNotFound when there is none.
void RemoveFile(const std::wstring& path);

// Copies a file to a name that no file has yet; kFileExists when one has. The name
// is taken in one step, so that no other program can be writing it too.
void CopyToNewFile(const std::wstring& from, const std::wstring& to);

// Renames a file within its folder to a name that no file has yet;
// kFileExists when one has.
void RenameToNewName(const std::wstring& from, const std::wstring& to);

// Puts `replacement` in the place of `target` in one step, so that the
// target holds either its old bytes or the new ones, never a mix or nothing.
// Both must be in the same folder.
void ReplaceWith(const std::wstring& replacement, const std::wstring& target);

struct FoundFile {
  std::wstring name;
  // When it was last written, in the system's ticks: later is larger.
  uint64_t last_written;
};

// The files (no folders) in `folder` whose names begin with `prefix`, in
// any letter case of its ASCII letters, in no set order; on Windows also
// those whose short (8.3) name does, so callers check the names they take.
// Nothing when the folder cannot be listed.
std::vector<FoundFile> FilesNamedFrom(const std::wstring& folder, std::wstring_view prefix);

// A number that no other running program has: a file named with it is one
// that only this program writes.
uint32_t ThisProcessId();

}  // namespace rt
