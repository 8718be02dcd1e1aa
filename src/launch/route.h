// Which way an item is started, chosen from its text alone.
#pragma once

#include <string_view>

namespace launch {

enum class LaunchRoute {
  kProgram,      // handed to the shell by its short path, not waited for
  kWeb,          // started in the browser the shell associates with web pages
  kShortcut,     // handed to the shell as it is, not waited for
  kAssociation,  // started in the program the shell associates with it
};

// The first test that holds wins: a text ending in "exe" is a program even
// when it starts with "http". Letter case does not matter, no dot is needed
// before the extension, and a text shorter than the piece a test looks at
// fails that test.
LaunchRoute ChooseRoute(std::wstring_view item_text);

}  // namespace launch
