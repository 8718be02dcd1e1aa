#include <windows.h>

#include "runtime/paths.h"

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

std::wstring ProgramFolder() {
  // Grow the buffer until the whole module path fits: a program folder may
  // be longer than MAX_PATH.
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) {
      path.resize(length);
      break;
    }
    path.resize(path.size() * 2);
  }
  const size_t slash = path.find_last_of(L'\\');
  if (slash == std::wstring::npos) return path;
  // Keep the "\" of a drive root ("C:\"), drop it everywhere else.
  const bool at_drive_root = slash == 2 && path[1] == L':';
  path.resize(at_drive_root ? slash + 1 : slash);
  return path;
}

std::wstring TempFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, folder);
  return folder;
}

std::wstring ShortPath(const std::wstring& path) { return Converted(path, GetShortPathNameW); }

std::wstring LongPath(const std::wstring& path) { return Converted(path, GetLongPathNameW); }

}  // namespace rt
