// A top-level window whose messages go to its object: created with a client
// area given in twips, so that it grows with the screen's dots per inch, and
// measured in the units its layout works in (pixels across; down, pixels
// until the vertical unit is redefined).
#pragma once

#include <windows.h>

#include <string_view>

#include "app/scale.h"

namespace app {

class Window {
 public:
  Window() = default;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;
  virtual ~Window();

  HWND Handle() const { return hwnd_; }
  HFONT Font() const { return font_; }

  // The client area in the layout's units; a minimised window reads the
  // size it will be restored to.
  float ClientWidth() const;
  float ClientHeight() const;
  // Redefines the vertical unit so that the client height counts `units`;
  // nothing moves on the screen.
  void RedefineVerticalUnit(float units);
  // The width of the text in the window's font, in horizontal units.
  float TextWidth(std::wstring_view text) const;

  // Conversions used to place the controls.
  int TwipsToPixels(int twips) const { return app::TwipsToPixels(twips, dpi_); }
  const VerticalScale& Vertical() const { return vertical_; }

 protected:
  // Creates the window (hidden) with its client area given in twips, placed
  // where the system places new windows.
  // The window shows the icon resource `icon_id`. Throws StartupFailure.
  void Create(std::wstring_view window_class, std::wstring_view caption, int client_width_twips,
              int client_height_twips, int icon_id);
  virtual LRESULT HandleMessage(UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT DefaultHandling(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(hwnd_, message, wparam, lparam);
  }
  SIZE ClientSizePixels() const;

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 96;
  VerticalScale vertical_;
};

}  // namespace app
