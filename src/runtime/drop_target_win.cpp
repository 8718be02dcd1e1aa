#include "runtime/drop_target_win.h"

#include <shellapi.h>

#include <utility>

namespace rt {

namespace {

FORMATETC FilesFormat() {
  return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

std::vector<std::wstring> DroppedFiles(IDataObject* data) {
  std::vector<std::wstring> files;
  FORMATETC format = FilesFormat();
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return files;
  const auto drop = static_cast<HDROP>(GlobalLock(medium.hGlobal));
  if (drop) {
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
      std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
      path.resize(DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())));
      files.push_back(std::move(path));
    }
    GlobalUnlock(medium.hGlobal);
  }
  ReleaseStgMedium(&medium);
  return files;
}

// Adding a file to the list copies its path; the source decides whether
// it offers a copy or only a link.
DWORD CopyOrLink(DWORD allowed) {
  return (allowed & DROPEFFECT_COPY) ? DROPEFFECT_COPY : (allowed & DROPEFFECT_LINK);
}

}  // namespace

FileDropTarget::FileDropTarget(HWND window, DropHandler on_drop)
    : window_(window), on_drop_(std::move(on_drop)) {}

FileDropTarget* FileDropTarget::Register(HWND window, DropHandler on_drop) {
  auto* target = new FileDropTarget(window, std::move(on_drop));
  RegisterDragDrop(window, target);
  return target;
}

void FileDropTarget::Revoke() {
  RevokeDragDrop(window_);
  Release();
}

HRESULT FileDropTarget::QueryInterface(REFIID iid, void** object) {
  if (iid == IID_IUnknown || iid == IID_IDropTarget) {
    *object = static_cast<IDropTarget*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG FileDropTarget::AddRef() { return static_cast<ULONG>(InterlockedIncrement(&references_)); }

ULONG FileDropTarget::Release() {
  const LONG left = InterlockedDecrement(&references_);
  if (left == 0) delete this;
  return static_cast<ULONG>(left);
}

HRESULT FileDropTarget::DragEnter(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  FORMATETC format = FilesFormat();
  holds_files_ = data->QueryGetData(&format) == S_OK;
  *effect = holds_files_ ? CopyOrLink(*effect) : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT FileDropTarget::DragOver(DWORD, POINTL, DWORD* effect) {
  *effect = holds_files_ ? CopyOrLink(*effect) : DROPEFFECT_NONE;
  return S_OK;
}

HRESULT FileDropTarget::DragLeave() {
  holds_files_ = false;
  return S_OK;
}

HRESULT FileDropTarget::Drop(IDataObject* data, DWORD, POINTL, DWORD* effect) {
  const std::vector<std::wstring> files =
      holds_files_ ? DroppedFiles(data) : std::vector<std::wstring>();
  holds_files_ = false;
  if (files.empty()) {
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  *effect = CopyOrLink(*effect);
  on_drop_(files);
  return S_OK;
}

}  // namespace rt
