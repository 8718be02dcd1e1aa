#include "items/store_files.h"

#include <algorithm>

namespace items {

namespace {

constexpr std::wstring_view kPrefix = L"exefiles.dat.";

std::wstring LowerAscii(std::wstring_view name) {
  std::wstring lower(name);
  std::transform(lower.begin(), lower.end(), lower.begin(),
                 [](wchar_t c) { return c >= L'A' && c <= L'Z' ? c - L'A' + L'a' : c; });
  return lower;
}

// True when `name` is the prefix, one or more digits and `suffix`.
bool IsNumberedName(std::wstring_view name, std::wstring_view suffix) {
  if (name.size() <= kPrefix.size() + suffix.size()) return false;
  if (name.substr(0, kPrefix.size()) != kPrefix) return false;
  if (name.substr(name.size() - suffix.size()) != suffix) return false;
  const std::wstring_view number =
      name.substr(kPrefix.size(), name.size() - kPrefix.size() - suffix.size());
  return std::all_of(number.begin(), number.end(),
                     [](wchar_t c) { return c >= L'0' && c <= L'9'; });
}

}  // namespace

std::wstring SaveTempFileName(uint32_t process_id) {
  return std::wstring(kPrefix) + std::to_wstring(process_id) + L".tmp";
}

bool IsSaveTempFileName(std::wstring_view name) {
  const std::wstring lower = LowerAscii(name);
  return lower == kSharedTempFileName || IsNumberedName(lower, L".tmp");
}

std::wstring BackupFileName(int number) {
  if (number == 1) return std::wstring(kPrefix) + L"bak";
  return std::wstring(kPrefix) + std::to_wstring(number) + L".bak";
}

bool IsBackupFileName(std::wstring_view name) {
  const std::wstring lower = LowerAscii(name);
  return lower == BackupFileName(1) || IsNumberedName(lower, L".bak");
}

}  // namespace items
