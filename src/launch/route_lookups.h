// What the launch routes make of the shell's lookups: the decisions around
// GetShortPathNameA and FindExecutableA, taking the calls' raw results as
// plain values so that they hold the same everywhere.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace launch {

// The program route's buffer for GetShortPathNameA, in characters.
constexpr uint32_t kShortPathBufferSize = 255;

// The file the program route hands the shell, in the system code page. A
// result of 0 (no short form) or one larger than the buffer (the size the
// short form would need) leaves the item as it is, so the shell still gets a
// file to start rather than an empty or cut-off text.
std::string ProgramRouteFile(std::string_view item_text, uint32_t short_path_length,
                             std::string_view short_path_buffer);

// The program that FindExecutableA found, in the system code page, or nothing
// when the lookup failed: a result code of 32 or less, a buffer that holds no
// NUL (the call never wrote into it), or an empty name before the NUL.
std::optional<std::string> FoundProgram(std::string_view result_buffer, intptr_t result_code);

// The association route's item split at its last "\": the folder keeps that
// "\" and is empty when there is none; the file name is the rest.
struct FolderAndFileName {
  std::wstring folder;
  std::wstring file_name;
};

// Split on the wide text, before any conversion: in a double-byte code page
// the second byte of a character may be the byte of "\".
FolderAndFileName SplitFolderAndFileName(std::wstring_view item_text);

}  // namespace launch
