// A push button that reports its clicks to its window by its id.
#pragma once

#include "app/control_win.h"

namespace app {

class PushButton : public Control {
 public:
  void Create(const Window& window, std::wstring_view caption, int id, const TwipsRect& place) {
    Control::Create(window, L"BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP, 0, id, place);
  }
};

}  // namespace app
