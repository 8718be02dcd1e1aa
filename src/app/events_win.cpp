#include "app/events_win.h"

#include <string>

#include "app/message_box_win.h"
#include "app/texts.h"

namespace app {

namespace {

struct FilteredWindow {
  HWND window = nullptr;
  InputFilter* filter = nullptr;
};

FilteredWindow& Filtered() {
  static FilteredWindow filtered;
  return filtered;
}

// Keyboard navigation (Tab between the controls) for the top-level window
// that the message is for.
void Deliver(MSG& message) {
  const FilteredWindow& filtered = Filtered();
  if (message.hwnd && message.hwnd == filtered.window && filtered.filter->Filter(message)) return;
  const HWND top = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
  if (top && IsDialogMessageW(top, &message)) return;
  TranslateMessage(&message);
  DispatchMessageW(&message);
}

}  // namespace

void SetInputFilter(HWND window, InputFilter* filter) {
  if (filter) {
    Filtered() = FilteredWindow{window, filter};
  } else if (Filtered().window == window) {
    Filtered() = FilteredWindow{};
  }
}

void ReportUnforeseenFailure(const rt::Failure& failure) {
  ShowMessageBox(texts::UnforeseenFailure(failure), MB_OK | MB_ICONERROR, texts::kProgramName);
}

void DeliverWaitingMessages() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    if (message.message == WM_QUIT) {
      // Leave the quit for the main loop, which ends the program.
      PostQuitMessage(static_cast<int>(message.wParam));
      return;
    }
    Deliver(message);
  }
}

int RunMessageLoop() {
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) Deliver(message);
  return static_cast<int>(message.wParam);
}

}  // namespace app
