#include "app/message_box_win.h"

namespace app {

namespace {
HWND g_box_owner = nullptr;
}  // namespace

void SetBoxOwner(HWND owner) { g_box_owner = owner; }

HWND BoxOwner() { return g_box_owner; }

int ShowMessageBox(std::wstring_view prompt, UINT flags, std::wstring_view title) {
  const std::wstring prompt_text(prompt);
  const std::wstring title_text(title);
  return MessageBoxW(g_box_owner, prompt_text.c_str(), title_text.c_str(), flags);
}

}  // namespace app
