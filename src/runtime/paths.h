// Paths: the program's folder, a file in a folder, and the short and long
// names of a file.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// The folder of the running program; it ends in "\" only at a drive root.
std::wstring ProgramFolder();

// The user's folder for temporary files.
std::wstring TempFolder();

// A file in the folder, joined with exactly one "\": the folder ends in "\"
// only at the root of a drive. C:\Tools and exefiles.dat give
// C:\Tools\exefiles.dat; D:\ gives D:\exefiles.dat.
inline std::wstring PathInFolder(std::wstring_view folder, std::wstring_view file_name) {
  std::wstring path(folder);
  if (path.empty() || path.back() != L'\\') path += L'\\';
  path += file_name;
  return path;
}

// The file's short (8.3) path, the same file named in plain characters that
// any code page holds; "" when the file has none (it does not exist, or the
// volume keeps no short names).
std::wstring ShortPath(const std::wstring& path);

// The path with every part in its long form, as Explorer names the file;
// "" when the file cannot be found.
std::wstring LongPath(const std::wstring& path);

}  // namespace rt
