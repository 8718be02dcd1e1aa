#include "app/clipboard_win.h"

// After windows.h, which it needs.
#include <shellapi.h>

#include "app/drop_target_win.h"

namespace app {

namespace {

// Open for as long as it lives, reading included, also when a read raises.
class OpenClipboardFor {
 public:
  explicit OpenClipboardFor(HWND owner) : open_(OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardFor() {
    if (open_) CloseClipboard();
  }
  OpenClipboardFor(const OpenClipboardFor&) = delete;
  OpenClipboardFor& operator=(const OpenClipboardFor&) = delete;

  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

std::optional<std::wstring> Text() {
  const HANDLE data = GetClipboardData(CF_UNICODETEXT);
  const auto* text = data ? static_cast<const wchar_t*>(GlobalLock(data)) : nullptr;
  if (!text) return std::nullopt;
  // The text ends at its NUL, or at the end of its block.
  const size_t most = GlobalSize(data) / sizeof(wchar_t);
  std::wstring copy(text, wcsnlen(text, most));
  GlobalUnlock(data);
  return copy;
}

}  // namespace

ClipboardItems ReadClipboard(HWND owner) {
  ClipboardItems items;
  const OpenClipboardFor clipboard(owner);
  if (!clipboard.IsOpen()) return items;
  if (IsClipboardFormatAvailable(CF_HDROP)) {
    if (const HANDLE files = GetClipboardData(CF_HDROP)) {
      items.files = DroppedFiles(static_cast<HDROP>(files));
    }
    return items;
  }
  if (IsClipboardFormatAvailable(CF_UNICODETEXT)) items.text = Text();
  return items;
}

}  // namespace app
