#include "launch/command_line.h"

#include <utility>

namespace launch {

namespace {

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

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

std::vector<std::wstring> SplitCommandLine(std::wstring_view line) {
  std::vector<std::wstring> arguments;
  if (line.empty()) return arguments;
  size_t i = 0;
  if (line[0] == L'"') {
    const size_t close = line.find(L'"', 1);
    arguments.emplace_back(line.substr(1, close == std::wstring_view::npos ? close : close - 1));
    i = close == std::wstring_view::npos ? line.size() : close + 1;
  } else {
    while (i < line.size() && !IsBlank(line[i])) ++i;
    arguments.emplace_back(line.substr(0, i));
  }
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) return arguments;
    std::wstring argument;
    bool in_quotes = false;
    while (i < line.size() && (in_quotes || !IsBlank(line[i]))) {
      if (line[i] == L'\\') {
        size_t backslashes = 0;
        for (; i < line.size() && line[i] == L'\\'; ++i) ++backslashes;
        const bool before_quote = i < line.size() && line[i] == L'"';
        argument.append(before_quote ? backslashes / 2 : backslashes, L'\\');
        if (before_quote && backslashes % 2 == 1) argument += line[i++];
      } else if (line[i] == L'"') {
        if (in_quotes && i + 1 < line.size() && line[i + 1] == L'"') {
          argument += L'"';
          i += 2;
          continue;
        }
        in_quotes = !in_quotes;
        ++i;
      } else {
        argument += line[i++];
      }
    }
    arguments.push_back(std::move(argument));
  }
}

}  // namespace launch
