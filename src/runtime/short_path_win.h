// A file's short (8.3) path: the same file named in plain characters, which
// any code page holds and which stays within the ANSI calls' length limit.
#pragma once

#include <string>

namespace rt {

// "" when the file has none (it does not exist, or the volume keeps no
// short names).
std::wstring ShortPath(const std::wstring& path);

}  // namespace rt
