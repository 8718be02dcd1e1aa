// A file's short (8.3) path, the same file named in plain characters that
// any code page holds, and back from it to the file's long name.
#pragma once

#include <string>

namespace rt {

// "" when the file has none (it does not exist, or the volume keeps no
// short names).
std::wstring ShortPath(const std::wstring& path);

// The path with every part in its long form, as Explorer names the file;
// "" when the file cannot be found.
std::wstring LongPath(const std::wstring& path);

}  // namespace rt
