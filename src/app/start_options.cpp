#include "app/start_options.h"

#include <algorithm>
#include <cwctype>

#include "launch/command_line.h"

namespace app {

namespace {

bool SameIgnoringCase(std::wstring_view a, std::wstring_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](wchar_t x, wchar_t y) {
    return std::towlower(static_cast<wint_t>(x)) == std::towlower(static_cast<wint_t>(y));
  });
}

}  // namespace

StartOptions ParseStartOptions(std::wstring_view command_line) {
  StartOptions options;
  const std::vector<std::wstring> words = launch::SplitCommandLine(command_line);
  for (size_t i = 1; i < words.size(); ++i) {
    if (words[i].empty()) continue;
    if (SameIgnoringCase(words[i], kRunOption)) {
      options.run_ticked_items = true;
    } else {
      options.unknown.push_back(words[i]);
    }
  }
  return options;
}

}  // namespace app
