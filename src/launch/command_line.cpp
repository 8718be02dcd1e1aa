#include "launch/command_line.h"

namespace launch {

std::wstring QuoteArgument(std::wstring_view argument) {
  std::wstring quoted = L"\"";
  size_t pending_backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++pending_backslashes;
      continue;
    }
    if (c == L'"') {
      // Backslashes before a quote are escapes: double them, then escape
      // the quote itself.
      quoted.append(pending_backslashes * 2 + 1, L'\\');
    } else {
      quoted.append(pending_backslashes, L'\\');
    }
    pending_backslashes = 0;
    quoted += c;
  }
  // The closing quote follows: doubled, the trailing backslashes stay literal.
  quoted.append(pending_backslashes * 2, L'\\');
  quoted += L'"';
  return quoted;
}

}  // namespace launch
