#include <windows.h>

#include "runtime/ansi.h"

namespace rt {

namespace {

std::string Narrow(std::wstring_view text, DWORD flags, BOOL* used_default) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, used_default);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, flags, text.data(), length, out.data(), size, nullptr, used_default);
  return out;
}

bool WidenExact(UINT code_page, std::string_view bytes, std::wstring& out) {
  out.clear();
  if (bytes.empty()) return true;
  const int length = static_cast<int>(bytes.size());
  const int size =
      MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), length, nullptr, 0);
  if (size == 0) return false;
  out.resize(static_cast<size_t>(size));
  MultiByteToWideChar(code_page, MB_ERR_INVALID_CHARS, bytes.data(), length, out.data(), size);
  return true;
}

}  // namespace

std::string ToAnsi(std::wstring_view text) { return Narrow(text, 0, nullptr); }

bool ToAnsiExact(std::wstring_view text, std::string& out) {
  BOOL used_default = FALSE;
  out = Narrow(text, WC_NO_BEST_FIT_CHARS, &used_default);
  return !used_default && (text.empty() || !out.empty());
}

std::wstring FromAnsi(std::string_view bytes) {
  if (bytes.empty()) return {};
  const int length = static_cast<int>(bytes.size());
  const int size = MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
  std::wstring out(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, out.data(), size);
  return out;
}

bool FromAnsiExact(std::string_view bytes, std::wstring& out) {
  return WidenExact(CP_ACP, bytes, out);
}

bool FromUtf8Exact(std::string_view bytes, std::wstring& out) {
  return WidenExact(CP_UTF8, bytes, out);
}

}  // namespace rt
