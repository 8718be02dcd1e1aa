// What Tavimo is asked to do by the arguments it is started with, as a
// shortcut gives them ("tavimo.exe /run").
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace app {

// The one argument Tavimo takes: run the ticked items as soon as the window
// is open, as "順序執行" does.
inline constexpr wchar_t kRunOption[] = L"/run";

struct StartOptions {
  bool run_ticked_items = false;
  // The arguments Tavimo does not know, as given.
  std::vector<std::wstring> unknown;
};

// The options of a command line as Windows hands it over: the program's name
// first, then the arguments. Letter case does not matter; an empty argument
// asks for nothing.
StartOptions ParseStartOptions(std::wstring_view command_line);

}  // namespace app
