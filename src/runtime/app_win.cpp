#include "runtime/app_win.h"

namespace rt::App {

std::wstring Path() {
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

HINSTANCE hInstance() { return GetModuleHandleW(nullptr); }

}  // namespace rt::App
