// Which way an item is started, chosen from its text alone.
#pragma once

#include <cstddef>
#include <string_view>

namespace launch {

// Every route hands the item to the shell, which starts it as a double-click
// in Explorer does.
enum class LaunchRoute {
  kProgram,      // a program, not waited for
  kWeb,          // started in the browser the shell associates with web pages
  kShortcut,     // a shortcut, not waited for
  kAssociation,  // opened by the program registered for it
};

// The longest item, in characters, that every route can start. Windows'
// shell takes a path of up to MAX_PATH - 1 (259) characters; Wine's takes a
// document's path of up to 255 (its lookup buffer holds 256), a program's
// or a shortcut's of up to 259. No item longer than this comes into the
// list.
constexpr size_t kLongestItem = 255;

// The first test that holds wins: a text ending in "exe" is a program even
// when it starts with "http". Letter case does not matter, no dot is needed
// before the extension, and a text shorter than the piece a test looks at
// fails that test.
LaunchRoute ChooseRoute(std::wstring_view item_text);

}  // namespace launch
