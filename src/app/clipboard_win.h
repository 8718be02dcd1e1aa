// What the clipboard holds that can become items of the list.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace app {

struct ClipboardItems {
  // Files copied in Explorer (CF_HDROP), in their order.
  std::vector<std::wstring> files;
  // Text, when the clipboard holds no files.
  std::optional<std::wstring> text;
};

// Reads the clipboard; nothing when it holds neither or another program
// holds it open. `owner` is the window that asks.
ClipboardItems ReadClipboard(HWND owner);

}  // namespace app
