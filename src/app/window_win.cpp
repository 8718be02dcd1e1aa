#include "app/window_win.h"

#include <string>

#include "app/integer_pointers_win.h"
#include "app/startup_failure.h"

namespace app {

namespace {

HFONT CreateMessageFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  return CreateFontIndirectW(&metrics.lfMessageFont);
}

// The client size the window will have again when restored, found from its
// restored frame less the frame's borders.
SIZE RestoredClientSize(HWND window) {
  WINDOWPLACEMENT placement{};
  placement.length = sizeof placement;
  GetWindowPlacement(window, &placement);
  RECT borders{};
  AdjustWindowRectEx(&borders, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)) & ~WS_MINIMIZE,
                     FALSE, static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  const RECT& frame = placement.rcNormalPosition;
  const LONG width = (frame.right - frame.left) - (borders.right - borders.left);
  const LONG height = (frame.bottom - frame.top) - (borders.bottom - borders.top);
  return SIZE{width > 0 ? width : 0, height > 0 ? height : 0};
}

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

Window::~Window() {
  if (hwnd_) DestroyWindow(hwnd_);
  if (font_) DeleteObject(font_);
}

void Window::Create(std::wstring_view window_class, std::wstring_view caption,
                    int client_width_twips, int client_height_twips, int icon_id) {
  const std::wstring class_name(window_class);
  const std::wstring caption_text(caption);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(icon_id));
  wc.hIconSm = static_cast<HICON>(LoadImageW(wc.hInstance, MAKEINTRESOURCEW(icon_id), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXSMICON),
                                             GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.hbrBackground = PointerFromInteger<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = class_name.c_str();
  if (!RegisterClassExW(&wc))
    throw StartupFailure{StartupFailure::Step::kRegisterWindowClass, GetLastError()};

  dpi_ = ScreenDpi();
  font_ = CreateMessageFont();
  const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
  RECT frame{0, 0, TwipsToPixels(client_width_twips), TwipsToPixels(client_height_twips)};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  if (!CreateWindowExW(0, class_name.c_str(), caption_text.c_str(), style, CW_USEDEFAULT,
                       CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                       nullptr, wc.hInstance, this))
    throw StartupFailure{StartupFailure::Step::kCreateWindow, GetLastError()};
  // The class's icons are the window's: the title bar, the task bar and
  // Alt+Tab take them from the class when the window sets none of its own.
  // Setting them on the window as well cost 40 more wineserver requests at
  // start under Wine, for nothing the user sees.
}

LRESULT Window::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  return DefaultHandling(message, wparam, lparam);
}

LRESULT CALLBACK Window::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* window = static_cast<Window*>(PointerFromInteger<CREATESTRUCTW*>(lparam)->lpCreateParams);
    window->hwnd_ = hwnd;
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  }
  auto* window = PointerFromInteger<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, message, wparam, lparam);
  const LRESULT result = window->HandleMessage(message, wparam, lparam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    window->hwnd_ = nullptr;
  }
  return result;
}

// A minimised window has no client area; it is measured at the size it
// will be restored to. Laid out in no area, the controls would be squeezed
// to nothing and back, and a list box squeezed to no width comes back a row
// shorter than the height it is then given allows.
SIZE Window::ClientSizePixels() const {
  if (IsIconic(hwnd_)) return RestoredClientSize(hwnd_);
  RECT client{};
  GetClientRect(hwnd_, &client);
  return SIZE{client.right, client.bottom};
}

float Window::ClientWidth() const { return static_cast<float>(ClientSizePixels().cx); }

float Window::ClientHeight() const { return vertical_.ToUnits(ClientSizePixels().cy); }

void Window::RedefineVerticalUnit(float units) {
  // A client area of no height has no units to count: the unit keeps its
  // size until the window has a height again.
  const LONG client_height = ClientSizePixels().cy;
  if (client_height > 0) vertical_.Redefine(client_height, units);
}

float Window::TextWidth(std::wstring_view text) const {
  const HDC dc = GetDC(hwnd_);
  const HGDIOBJ previous = SelectObject(dc, font_);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &extent);
  SelectObject(dc, previous);
  ReleaseDC(hwnd_, dc);
  return static_cast<float>(extent.cx);
}

}  // namespace app
