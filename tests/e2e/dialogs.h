// The program's dialogs as the driver meets them: which kind a dialog is,
// waiting for one, and answering it.
#pragma once

#include <windows.h>

#include <string>

#include "driver.h"

namespace e2e {

// The open-file dialog's file-name box.
constexpr int kFileNameBox = 0x47C;

bool IsOpenFileDialog(HWND dialog);
bool IsInputBox(HWND dialog);
// A message box; it counts once it shows its text, which it may not do the
// moment it can be found.
bool IsMessageBox(HWND dialog);

// The first dialog of the program that passes the test, or nullptr when
// none shows in time.
template <typename Test>
HWND WaitForDialogThat(const Tavimo& tavimo, Test test, std::chrono::milliseconds limit = 5000ms) {
  HWND found = nullptr;
  WaitUntil(
      [&] {
        for (HWND dialog : tavimo.Dialogs()) {
          if (test(dialog)) {
            found = dialog;
            return true;
          }
        }
        return false;
      },
      limit);
  return found;
}

HWND WaitForMessageBox(const Tavimo& tavimo);
HWND WaitForBoxTitled(const Tavimo& tavimo, const std::wstring& title);

// Waits until every dialog is closed and the window has gone back to its
// events, so that a box it showed afterwards would be there.
void WaitUntilNoDialog(const Tavimo& tavimo);

// Presses "加入網址" and waits for its input box. Clicks arrive in the order
// they were posted: once the box shows, every click posted before it has
// been handled.
HWND PressAddAddress(const Tavimo& tavimo);

// Types the text into the box and presses the dialog's button.
void TypeAndPress(HWND dialog, HWND box, const std::wstring& text, int button_id);
// Types the answer into the input box and presses the button.
void Answer(HWND input_box, const std::wstring& text, int button_id = IDOK);

}  // namespace e2e
