// A modal box that asks for one line of text, owned by the program's main
// window as the message boxes are.
#pragma once

#include <string>
#include <string_view>

namespace app {

// A modal dialog with the prompt, an edit box, OK and Cancel. Returns the
// typed text, or "" when cancelled.
std::wstring InputBox(std::wstring_view prompt, std::wstring_view title);

}  // namespace app
