// A real OLE drag and drop from the driver, as the shell makes one when the
// user drags files from a folder window: the cursor is put over the target,
// DoDragDrop runs with a data object and a drop source that lets go after a
// few polls. And the same data put on the clipboard, as a copy in Explorer
// or in an editor puts it there.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

struct DragOutcome {
  HRESULT result;      // DoDragDrop's: DRAGDROP_S_DROP or DRAGDROP_S_CANCEL
  DWORD effect;        // the effect the target gave the drop
  DWORD shown_effect;  // the effect last shown by the cursor before the drop
};

// Drags the files (as CF_HDROP, in this order) to the screen point and drops
// them there.
DragOutcome DragFiles(POINT screen_point, const std::vector<std::wstring>& files);

// Drags plain text (CF_UNICODETEXT only) to the screen point and lets go.
DragOutcome DragText(POINT screen_point, const std::wstring& text);

// Empties the clipboard and puts the files on it (CF_HDROP, in this order),
// or the text (CF_UNICODETEXT); throws std::runtime_error when it cannot.
void CopyFilesToClipboard(const std::vector<std::wstring>& files);
void CopyTextToClipboard(const std::wstring& text);

}  // namespace e2e
