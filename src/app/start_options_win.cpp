#include "app/start_options_win.h"

#include "app/message_box_win.h"
#include "app/texts.h"

namespace app {

StartOptions StartOptionsOfThisProgram() { return ParseStartOptions(GetCommandLineW()); }

void ReportUnknownArguments(const StartOptions& options) {
  if (options.unknown.empty()) return;
  ShowMessageBox(texts::UnknownArguments(options.unknown, kRunOption), MB_OK | MB_ICONEXCLAMATION,
                 texts::kProgramName);
}

UINT RunTickedItemsMessage() {
  static const UINT message = RegisterWindowMessageW(L"Tavimo.RunTickedItems");
  return message;
}

void AskToRunTickedItems(HWND main_window) {
  PostMessageW(main_window, RunTickedItemsMessage(), 0, 0);
}

}  // namespace app
