#include "app/drop_target_win.h"

#include <cstring>
#include <utility>

#include "runtime/on_demand_dlls_win.h"

namespace app {

namespace {

FORMATETC FilesFormat() {
  return FORMATETC{CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
}

// A copy of the data's files that outlives the drop, or nullptr.
HGLOBAL CopyOfDroppedFiles(IDataObject* data) {
  FORMATETC format = FilesFormat();
  STGMEDIUM medium{};
  if (FAILED(data->GetData(&format, &medium))) return nullptr;
  const SIZE_T size = GlobalSize(medium.hGlobal);
  const void* files = GlobalLock(medium.hGlobal);
  // Fixed memory: the handle is the address.
  const HGLOBAL copy = files ? GlobalAlloc(GMEM_FIXED, size) : nullptr;
  if (copy) memcpy(copy, files, size);
  if (files) GlobalUnlock(medium.hGlobal);
  ReleaseStgMedium(&medium);
  return copy;
}

// Adding a file to the list copies its path; the source decides whether
// it offers a copy or only a link.
DWORD CopyOrLink(DWORD allowed) {
  return (allowed & DROPEFFECT_COPY) ? DROPEFFECT_COPY : (allowed & DROPEFFECT_LINK);
}

}  // namespace

FileDropTarget::FileDropTarget(HWND window, HWND notified) : window_(window), notified_(notified) {}

FileDropTarget* FileDropTarget::Register(HWND window, HWND notified) {
  auto* target = new FileDropTarget(window, notified);
  if (FAILED(RegisterDragDrop(window, target))) {
    target->Release();
    return nullptr;
  }
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
  const HGLOBAL files = holds_files_ ? CopyOfDroppedFiles(data) : nullptr;
  holds_files_ = false;
  if (!files || !PostMessageW(notified_, WM_DROPFILES, reinterpret_cast<WPARAM>(files), 0)) {
    if (files) GlobalFree(files);
    *effect = DROPEFFECT_NONE;
    return S_OK;
  }
  *effect = CopyOrLink(*effect);
  return S_OK;
}

std::vector<std::wstring> DroppedFiles(HDROP files) {
  std::vector<std::wstring> paths;
  const UINT count = rt::shell32::DragQueryFileW(files, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    std::wstring path(rt::shell32::DragQueryFileW(files, i, nullptr, 0) + 1, L'\0');
    path.resize(rt::shell32::DragQueryFileW(files, i, path.data(), static_cast<UINT>(path.size())));
    paths.push_back(std::move(path));
  }
  return paths;
}

std::vector<std::wstring> TakeDroppedFiles(HDROP drop) {
  struct Finish {
    HDROP drop;
    ~Finish() { GlobalFree(drop); }
  } finish{drop};
  return DroppedFiles(drop);
}

}  // namespace app
