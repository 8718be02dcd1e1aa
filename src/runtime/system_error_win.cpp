#include "runtime/system_error_win.h"

#include <array>

namespace rt {

namespace {

std::wstring Formatted(DWORD code, DWORD flags, const DWORD_PTR* arguments) {
  wchar_t* buffer = nullptr;
  // With FORMAT_MESSAGE_ARGUMENT_ARRAY the arguments are an array, passed
  // where the declaration says va_list.
  const DWORD length =
      FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | flags, nullptr,
                     code, 0, reinterpret_cast<wchar_t*>(&buffer), 0,
                     reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(arguments)));
  std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) {
    text.pop_back();
  }
  return text;
}

}  // namespace

std::wstring SystemErrorText(DWORD code) {
  return Formatted(code, FORMAT_MESSAGE_IGNORE_INSERTS, nullptr);
}

std::wstring SystemErrorText(DWORD code, const std::wstring& name) {
  // A message numbers its placeholders from %1 to at most %99; each is given
  // the name, so that whichever a message holds is filled.
  std::array<DWORD_PTR, 99> arguments;
  arguments.fill(reinterpret_cast<DWORD_PTR>(name.c_str()));
  return Formatted(code, FORMAT_MESSAGE_ARGUMENT_ARRAY, arguments.data());
}

}  // namespace rt
