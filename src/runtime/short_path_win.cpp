#include "runtime/short_path_win.h"

#include <windows.h>

namespace rt {

std::wstring ShortPath(const std::wstring& path) {
  const DWORD size = GetShortPathNameW(path.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring short_path(size, L'\0');
  const DWORD length = GetShortPathNameW(path.c_str(), short_path.data(), size);
  short_path.resize(length < size ? length : 0);
  return short_path;
}

}  // namespace rt
