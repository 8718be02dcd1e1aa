#include "runtime/short_path_win.h"

#include <windows.h>

namespace rt {

namespace {

// Both calls give the size they need, NUL included, when the buffer is too
// small, and the length without it once it fits.
template <typename Convert>
std::wstring Converted(const std::wstring& path, Convert convert) {
  const DWORD size = convert(path.c_str(), nullptr, 0);
  if (size == 0) return {};
  std::wstring converted(size, L'\0');
  const DWORD length = convert(path.c_str(), converted.data(), size);
  converted.resize(length < size ? length : 0);
  return converted;
}

}  // namespace

std::wstring ShortPath(const std::wstring& path) { return Converted(path, GetShortPathNameW); }

std::wstring LongPath(const std::wstring& path) { return Converted(path, GetLongPathNameW); }

}  // namespace rt
