// A push button that reports its clicks to the form by its id.
#pragma once

#include "app/control_win.h"

namespace app {

class CommandButton : public Control {
 public:
  void Create(const Form& form, std::wstring_view caption, int id, const TwipsRect& place) {
    Control::Create(form, L"BUTTON", caption, BS_PUSHBUTTON | WS_TABSTOP, 0, id, place);
  }
};

}  // namespace app
