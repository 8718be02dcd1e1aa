#include "app/one_per_folder.h"

namespace app {

namespace {

// How long a start waits for the folder between two looks for its window.
constexpr std::chrono::milliseconds kLookAgainAfter{100};

std::wstring Hex(uint64_t value, int digits) {
  std::wstring text(static_cast<size_t>(digits), L'0');
  for (auto digit = text.rbegin(); digit != text.rend(); ++digit, value >>= 4) {
    *digit = L"0123456789abcdef"[value & 0xF];
  }
  return text;
}

}  // namespace

std::wstring FolderClaimName(const FolderIdentity& folder) {
  return L"Tavimo-" + Hex(folder.volume_serial, 8) + L"-" + Hex(folder.file_index, 16);
}

std::wstring FolderClaimName(std::wstring_view folder_path) {
  // FNV-1a over the path's characters: kernel object names allow no "\".
  uint64_t hash = 14695981039346656037ull;
  for (const wchar_t c : folder_path) {
    const wchar_t upper = c >= L'a' && c <= L'z' ? c - L'a' + L'A' : c;
    hash = (hash ^ static_cast<uint64_t>(upper)) * 1099511628211ull;
  }
  return L"Tavimo-path-" + Hex(hash, 16);
}

StartDecision TakeFolderOrHandOver(ProgramFolder& folder) {
  for (;;) {
    if (folder.TryTake(kLookAgainAfter)) return StartDecision::kOpenTheWindow;
    if (folder.BringOpenWindowForward()) return StartDecision::kLeftToTheOpenWindow;
  }
}

}  // namespace app
