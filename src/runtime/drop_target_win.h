// Makes a window an OLE drop target for files dragged from the shell.
#pragma once

#include <ole2.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace rt {

// Accepts data that holds files (CF_HDROP) and hands the dropped paths, in
// their order, to the callback. Data without files is refused: the cursor
// shows no-drop and nothing is called.
class FileDropTarget final : public IDropTarget {
 public:
  using DropHandler = std::function<void(const std::vector<std::wstring>& files)>;

  // Registers a new target on the window; Revoke ends it.
  static FileDropTarget* Register(HWND window, DropHandler on_drop);
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
  FileDropTarget(HWND window, DropHandler on_drop);
  ~FileDropTarget() = default;

  HWND window_;
  DropHandler on_drop_;
  LONG references_ = 1;
  bool holds_files_ = false;
};

}  // namespace rt
