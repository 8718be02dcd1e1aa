// What the launch routes make of the shell's answers, taking the calls'
// results as plain values so that the decisions hold the same everywhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace launch {

// The Windows error that says no program is associated with a file
// (ERROR_NO_ASSOCIATION).
constexpr uint32_t kNoAssociation = 1155;

// Why the shell could not start a file, as a Windows error code, from the
// last error and the result code (32 or less, an older set of codes) it left.
uint32_t ShellStartError(uint32_t last_error, intptr_t result_code);

// The program that FindExecutableW found, or nothing when the lookup failed:
// a result code of 32 or less, a buffer that holds no NUL (the call never
// wrote into it), or an empty name before the NUL.
std::optional<std::wstring> FoundProgram(std::wstring_view result_buffer, intptr_t result_code);

// A path split at its last "\": the folder keeps that "\" and is empty when
// there is none; the file name is the rest.
struct FolderAndFileName {
  std::wstring folder;
  std::wstring file_name;
};
FolderAndFileName SplitFolderAndFileName(std::wstring_view path);

}  // namespace launch
