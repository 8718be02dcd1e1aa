#include "app/control_win.h"

#include <string>

#include "runtime/failure.h"

namespace app {

namespace {

int NonNegative(int pixels) {
  if (pixels < 0) throw rt::Failure(rt::FailureKind::kBadValue);
  return pixels;
}

}  // namespace

void Control::Create(const Window& window, std::wstring_view window_class,
                     std::wstring_view caption, DWORD style, DWORD ex_style, int id,
                     const TwipsRect& place) {
  window_ = &window;
  const std::wstring class_name(window_class);
  const std::wstring caption_text(caption);
  hwnd_ = CreateWindowExW(
      ex_style, class_name.c_str(), caption_text.c_str(), style | WS_CHILD | WS_VISIBLE,
      window.TwipsToPixels(place.left), window.TwipsToPixels(place.top),
      window.TwipsToPixels(place.width), window.TwipsToPixels(place.height), window.Handle(),
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(window.Font()), FALSE);
}

RECT Control::PixelRect() const {
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void Control::MoveTo(const RECT& rect) {
  SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

float Control::Height() const {
  const RECT rect = PixelRect();
  return window_->Vertical().ToUnits(rect.bottom - rect.top);
}

void Control::SetLeft(float units) {
  RECT rect = PixelRect();
  const int left = HorizontalToPixels(units);
  OffsetRect(&rect, left - rect.left, 0);
  MoveTo(rect);
}

void Control::SetTop(float units) {
  RECT rect = PixelRect();
  const int top = window_->Vertical().ToPixels(units);
  OffsetRect(&rect, 0, top - rect.top);
  MoveTo(rect);
}

void Control::SetWidth(float units) {
  RECT rect = PixelRect();
  rect.right = rect.left + NonNegative(HorizontalToPixels(units));
  MoveTo(rect);
}

void Control::SetHeight(float units) {
  RECT rect = PixelRect();
  rect.bottom = rect.top + NonNegative(window_->Vertical().ToPixels(units));
  MoveTo(rect);
}

}  // namespace app
