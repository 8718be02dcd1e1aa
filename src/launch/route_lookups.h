// What the launch routes make of the shell's lookups: the decisions around
// short paths and FindExecutableA, taking the calls' results as plain values
// so that they hold the same everywhere.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace launch {

// The longest short path the program route takes, in bytes, its NUL included.
constexpr size_t kShortPathBufferSize = 255;
// The longest path the shell's ANSI calls take, in bytes, without its NUL.
constexpr size_t kMaxAnsiPath = 259;

// Gives a file's short path, or "" when it has none.
using ShortPathOf = std::function<std::wstring(const std::wstring&)>;

// A path as the shell's ANSI calls must get it, in the system code page: as
// it stands when the code page holds it exactly and it is within
// kMaxAnsiPath; else its short path on the same terms, which names the same
// file; else as near as the code page comes, so that the call fails and
// says why rather than reaching another file.
std::string PathForAnsiCall(const std::wstring& path, const ShortPathOf& short_path_of);

// The file the program route hands the shell: the item's short path when it
// has one that fits the route's buffer, else the item as PathForAnsiCall
// gives it, so the shell still gets a file to start (an address has no
// short form, yet reaches the shell whole).
std::string ProgramRouteFile(const std::wstring& item_text, const ShortPathOf& short_path_of);

// Why the shell could not start a file, as a Windows error code: the last
// error where the shell set one, else the one that its result code (32 or
// less, an older set of codes) stands for.
uint32_t ShellStartError(uint32_t last_error, intptr_t result_code);

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
