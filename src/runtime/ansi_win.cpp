#include <windows.h>

#include "runtime/ansi.h"
#include "runtime/code_page.h"

namespace rt {

namespace {

static_assert(kNoBestFitChars == WC_NO_BEST_FIT_CHARS &&
              kErrorInvalidChars == WC_ERR_INVALID_CHARS);

std::string Narrow(std::wstring_view text, DWORD flags) {
  if (text.empty()) return {};
  const int length = static_cast<int>(text.size());
  const int size =
      WideCharToMultiByte(CP_ACP, flags, text.data(), length, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, flags, text.data(), length, out.data(), size, nullptr, nullptr);
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

std::string ToAnsi(std::wstring_view text) { return Narrow(text, 0); }

// Exact when the bytes read back as the very text: that catches a best-fit
// substitute and the default character alike, in every code page, UTF-8
// included, where Windows will not report a default character's use.
bool ToAnsiExact(std::wstring_view text, std::string& out) {
  out = Narrow(text, ExactConversionFlags(GetACP()));
  std::wstring back;
  return (text.empty() || !out.empty()) && FromAnsiExact(out, back) && back == text;
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
