#include "dialogs.h"

namespace e2e {

bool IsOpenFileDialog(HWND dialog) { return GetDlgItem(dialog, kFileNameBox) != nullptr; }

bool IsInputBox(HWND dialog) {
  return !IsOpenFileDialog(dialog) && FindWindowExW(dialog, nullptr, L"Edit", nullptr) != nullptr;
}

bool IsMessageBox(HWND dialog) {
  return !IsOpenFileDialog(dialog) && !IsInputBox(dialog) && !DialogText(dialog).empty();
}

HWND WaitForMessageBox(const Tavimo& tavimo) { return WaitForDialogThat(tavimo, IsMessageBox); }

HWND WaitForBoxTitled(const Tavimo& tavimo, const std::wstring& title) {
  return WaitForDialogThat(
      tavimo, [&](HWND dialog) { return IsMessageBox(dialog) && WindowText(dialog) == title; });
}

void WaitUntilNoDialog(const Tavimo& tavimo) {
  WaitUntil([&] { return tavimo.Dialogs().empty(); });
  tavimo.Sync();
}

HWND PressAddAddress(const Tavimo& tavimo) {
  tavimo.Press(L"加入網址");
  return WaitForDialogThat(tavimo, IsInputBox);
}

void TypeAndPress(HWND dialog, HWND box, const std::wstring& text, int button_id) {
  SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
  AnswerDialog(dialog, button_id);
}

void Answer(HWND input_box, const std::wstring& text, int button_id) {
  TypeAndPress(input_box, FindWindowExW(input_box, nullptr, L"Edit", nullptr), text, button_id);
}

}  // namespace e2e
