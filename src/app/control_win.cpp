#include "app/control_win.h"

#include <string>

#include "app/integer_pointers_win.h"
#include "app/startup_failure.h"
#include "runtime/failure.h"

namespace app {

namespace {

constexpr UINT kMoveFlags = SWP_NOZORDER | SWP_NOACTIVATE;

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
  hwnd_ = CreateWindowExW(ex_style, class_name.c_str(), caption_text.c_str(),
                          style | WS_CHILD | WS_VISIBLE, window.TwipsToPixels(place.left),
                          window.TwipsToPixels(place.top), window.TwipsToPixels(place.width),
                          window.TwipsToPixels(place.height), window.Handle(),
                          PointerFromInteger<HMENU>(id), GetModuleHandleW(nullptr), nullptr);
  if (!hwnd_) throw StartupFailure{StartupFailure::Step::kCreateWindow, GetLastError()};
  SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(window.Font()), FALSE);
}

RECT Control::PixelRect() const {
  if (held_place_) return *held_place_;
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void Control::MoveTo(const RECT& rect) {
  if (held_place_) {
    held_place_ = rect;
    return;
  }
  SetWindowPos(hwnd_, nullptr, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
               kMoveFlags);
}

void Control::HoldPlace() { held_place_ = PixelRect(); }

void Control::MoveHeldTogether(std::initializer_list<Control*> controls) {
  HDWP batch = BeginDeferWindowPos(static_cast<int>(controls.size()));
  for (const Control* control : controls) {
    const RECT& rect = *control->held_place_;
    if (batch)
      batch = DeferWindowPos(batch, control->hwnd_, nullptr, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, kMoveFlags);
  }
  for (Control* control : controls) {
    const RECT rect = *control->held_place_;
    control->held_place_.reset();
    // A batch the system had no room for is abandoned: each moves on its own.
    if (!batch) control->MoveTo(rect);
  }
  if (batch) EndDeferWindowPos(batch);
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
