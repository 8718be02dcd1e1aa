// A child control of a window, placed in the window's layout units.
#pragma once

#include <windows.h>

#include <initializer_list>
#include <optional>
#include <string_view>

#include "app/window_win.h"

namespace app {

// Where a control stands at creation, in twips from the client area's corner.
struct TwipsRect {
  int left, top, width, height;
};

class Control {
 public:
  HWND Handle() const { return hwnd_; }

  float Height() const;
  // Each setter moves or sizes the control; a negative size or a value
  // that is no number throws kBadValue.
  void SetLeft(float units);
  void SetTop(float units);
  void SetWidth(float units);
  void SetHeight(float units);

  // From HoldPlace on, the setters and Height work on where the control is
  // to go, and nothing moves until MoveHeldTogether moves the controls there,
  // all in one batch, and ends their holds.
  void HoldPlace();
  static void MoveHeldTogether(std::initializer_list<Control*> controls);

 protected:
  void Create(const Window& window, std::wstring_view window_class, std::wstring_view caption,
              DWORD style, DWORD ex_style, int id, const TwipsRect& place);

 private:
  RECT PixelRect() const;
  void MoveTo(const RECT& rect);

  const Window* window_ = nullptr;
  HWND hwnd_ = nullptr;
  std::optional<RECT> held_place_;
};

}  // namespace app
