// Whole-file byte I/O under wide paths: the small platform layer that the
// numbered files and the item store sit on. Every failure throws RunError
// with the runtime's number for it (53 File not found, 76 Path not found,
// 70 Permission denied, 61 Disk full, 75 Path/File access error...) and a
// description made of the path and the system's own words for the failure.
#pragma once

#include <string>
#include <string_view>

namespace rt {

enum class WriteMode {
  kReplace,  // creates the file or empties it first
  kAppend,   // creates the file or writes at its end
};

// The whole file, read at once.
std::string ReadFileBytes(const std::wstring& path);

// Writes `bytes` in one write.
void WriteFileBytes(const std::wstring& path, std::string_view bytes, WriteMode mode);

// Makes what was written to the file reach the disk.
void FlushToDisk(const std::wstring& path);

// True for an existing file; false for a folder or nothing.
bool FileExists(const std::wstring& path);

// Deletes a file; 53 when there is none.
void RemoveFile(const std::wstring& path);

// Copies a file, replacing `to` when it exists.
void CopyFileOver(const std::wstring& from, const std::wstring& to);

// Puts `replacement` in the place of `target` in one step, so that the
// target holds either its old bytes or the new ones, never a mix or nothing.
// Both must be in the same folder.
void ReplaceWith(const std::wstring& replacement, const std::wstring& target);

}  // namespace rt
