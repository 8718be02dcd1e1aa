// Makes a window an OLE drop target for files dragged from the shell.
#pragma once

#include <windows.h>
// After windows.h, which they need.
#include <ole2.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace app {

// Accepts data that holds files (CF_HDROP); data without files is refused:
// the cursor shows no-drop. A drop posts a copy of the files to the notified
// window as WM_DROPFILES and returns: whatever the window then does (a box,
// say) never holds up the program the files were dragged from.
class FileDropTarget final : public IDropTarget {
 public:
  // Registers a new target on the window; Revoke ends it. nullptr when the
  // system refuses it: the window then takes no drops.
  static FileDropTarget* Register(HWND window, HWND notified);
  void Revoke();

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE DragEnter(IDataObject* data, DWORD keys, POINTL point,
                                      DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragOver(DWORD keys, POINTL point, DWORD* effect) override;
  HRESULT STDMETHODCALLTYPE DragLeave() override;
  HRESULT STDMETHODCALLTYPE Drop(IDataObject* data, DWORD keys, POINTL point,
                                 DWORD* effect) override;

 private:
  FileDropTarget(HWND window, HWND notified);
  ~FileDropTarget() = default;

  HWND window_;
  HWND notified_;
  LONG references_ = 1;
  bool holds_files_ = false;
};

// The paths of a list of files as the shell hands it over (CF_HDROP), in
// their order: dropped, or copied to the clipboard.
std::vector<std::wstring> DroppedFiles(HDROP files);

// The paths of a WM_DROPFILES, in their order; frees the drop, also when
// reading it fails.
std::vector<std::wstring> TakeDroppedFiles(HDROP drop);

}  // namespace app
