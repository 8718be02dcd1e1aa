// A top-level window in the manner of the program's form: created from
// twips, measured in scale units (pixels across; down, pixels until the
// vertical scale is redefined), with WindowState and TextWidth.
#pragma once

#include <windows.h>

#include <string_view>

#include "app/scale.h"

namespace app {

class Form {
 public:
  Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;
  virtual ~Form();

  HWND hWnd() const { return hwnd_; }
  HFONT Font() const { return font_; }

  // 1 minimises the window, 0 restores it to normal.
  void SetWindowState(int state);

  // The client area in scale units; a minimised window reads the size it
  // will be restored to.
  float ScaleWidth() const;
  float ScaleHeight() const;
  // Redefines the vertical unit so that the client height counts `units`;
  // nothing moves on the screen.
  void SetScaleHeight(float units);
  // The width of the text in the window's font, in horizontal scale units.
  float TextWidth(std::wstring_view text) const;

  // Conversions used by the controls' properties.
  int TwipsToPixels(int twips) const { return app::TwipsToPixels(twips, dpi_); }
  const VerticalScale& Vertical() const { return vertical_; }

 protected:
  // Creates the window (hidden) with its client area given in twips, placed
  // where the system places new windows.
  // The window shows the icon resource `icon_id`.
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
