#include "drag_source.h"

#include <shlobj.h>

#include <cstring>
#include <future>
#include <stdexcept>

namespace e2e {

namespace {

// The objects live on the dragging thread's stack until after
// OleUninitialize, which disconnects any proxy the target kept: counting
// references is all IUnknown needs to do here.
template <typename Interface>
class StackObject : public Interface {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == IID_IUnknown || iid == __uuidof(Interface)) {
      *object = static_cast<Interface*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }

 private:
  ULONG references_ = 1;
};

// Data in a single clipboard format, handed out as a fresh global block on
// every request, since the receiver frees what it gets.
class OneFormatData final : public StackObject<IDataObject> {
 public:
  OneFormatData(CLIPFORMAT format, std::string bytes) : bytes_(std::move(bytes)) {
    format_ = FORMATETC{format, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
  }

  HRESULT STDMETHODCALLTYPE GetData(FORMATETC* wanted, STGMEDIUM* medium) override {
    if (QueryGetData(wanted) != S_OK) return DV_E_FORMATETC;
    const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes_.size());
    if (!block) return E_OUTOFMEMORY;
    std::memcpy(GlobalLock(block), bytes_.data(), bytes_.size());
    GlobalUnlock(block);
    *medium = STGMEDIUM{};
    medium->tymed = TYMED_HGLOBAL;
    medium->hGlobal = block;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetDataHere(FORMATETC*, STGMEDIUM*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryGetData(FORMATETC* wanted) override {
    const bool same = wanted->cfFormat == format_.cfFormat && (wanted->tymed & TYMED_HGLOBAL) &&
                      wanted->dwAspect == DVASPECT_CONTENT;
    return same ? S_OK : DV_E_FORMATETC;
  }
  HRESULT STDMETHODCALLTYPE GetCanonicalFormatEtc(FORMATETC*, FORMATETC*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetData(FORMATETC*, STGMEDIUM*, BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE EnumFormatEtc(DWORD direction, IEnumFORMATETC** formats) override {
    if (direction != DATADIR_GET) return E_NOTIMPL;
    return SHCreateStdEnumFmtEtc(1, &format_, formats);
  }
  HRESULT STDMETHODCALLTYPE DAdvise(FORMATETC*, DWORD, IAdviseSink*, DWORD*) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }
  HRESULT STDMETHODCALLTYPE DUnadvise(DWORD) override { return OLE_E_ADVISENOTSUPPORTED; }
  HRESULT STDMETHODCALLTYPE EnumDAdvise(IEnumSTATDATA**) override {
    return OLE_E_ADVISENOTSUPPORTED;
  }

 private:
  FORMATETC format_;
  std::string bytes_;
};

// Lets go of the mouse button after a few polls, by which time the target
// under the cursor has seen the drag enter; remembers what the cursor showed.
class LetGoSoon final : public StackObject<IDropSource> {
 public:
  HRESULT STDMETHODCALLTYPE QueryContinueDrag(BOOL escape, DWORD) override {
    if (escape) return DRAGDROP_S_CANCEL;
    return ++polls_ >= kPollsBeforeDrop ? DRAGDROP_S_DROP : S_OK;
  }
  HRESULT STDMETHODCALLTYPE GiveFeedback(DWORD effect) override {
    shown_effect_ = effect;
    return DRAGDROP_S_USEDEFAULTCURSORS;
  }
  DWORD shown_effect() const { return shown_effect_; }

 private:
  static constexpr int kPollsBeforeDrop = 4;
  int polls_ = 0;
  DWORD shown_effect_ = DROPEFFECT_NONE;
};

template <typename Text>
std::string BytesOf(const Text& text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof text[0]);
}

// A CF_HDROP block: the DROPFILES header, then each path in UTF-16 ended by
// a NUL, then one more NUL.
std::string DropFilesBlock(const std::vector<std::wstring>& files) {
  DROPFILES header{};
  header.pFiles = sizeof header;
  header.fWide = TRUE;
  std::u16string paths;
  for (const std::wstring& file : files) {
    for (wchar_t c : file) paths += static_cast<char16_t>(c);
    paths += u'\0';
  }
  paths += u'\0';
  return std::string(reinterpret_cast<const char*>(&header), sizeof header) + BytesOf(paths);
}

std::string UnicodeTextBlock(const std::wstring& text) {
  std::u16string utf16;
  for (wchar_t c : text) utf16 += static_cast<char16_t>(c);
  utf16 += u'\0';
  return BytesOf(utf16);
}

// Runs the drag on a thread of its own, so that OLE's state stays off the
// test's thread.
DragOutcome Drag(POINT screen_point, CLIPFORMAT format, std::string bytes) {
  auto drag = std::async(std::launch::async, [&] {
    OneFormatData data(format, std::move(bytes));
    LetGoSoon source;
    DragOutcome outcome{};
    OleInitialize(nullptr);
    SetCursorPos(screen_point.x, screen_point.y);
    outcome.result = DoDragDrop(&data, &source, DROPEFFECT_COPY | DROPEFFECT_LINK, &outcome.effect);
    outcome.shown_effect = source.shown_effect();
    OleUninitialize();
    return outcome;
  });
  return drag.get();
}

void CopyToClipboard(CLIPFORMAT format, const std::string& bytes) {
  if (!OpenClipboard(nullptr)) throw std::runtime_error("cannot open the clipboard");
  EmptyClipboard();
  const HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (block) {
    std::memcpy(GlobalLock(block), bytes.data(), bytes.size());
    GlobalUnlock(block);
  }
  const bool copied = block && SetClipboardData(format, block);
  if (block && !copied) GlobalFree(block);
  CloseClipboard();
  if (!copied) throw std::runtime_error("cannot put data on the clipboard");
}

}  // namespace

void CopyFilesToClipboard(const std::vector<std::wstring>& files) {
  CopyToClipboard(CF_HDROP, DropFilesBlock(files));
}

void CopyTextToClipboard(const std::wstring& text) {
  CopyToClipboard(CF_UNICODETEXT, UnicodeTextBlock(text));
}

DragOutcome DragFiles(POINT screen_point, const std::vector<std::wstring>& files) {
  return Drag(screen_point, CF_HDROP, DropFilesBlock(files));
}

DragOutcome DragText(POINT screen_point, const std::wstring& text) {
  return Drag(screen_point, CF_UNICODETEXT, UnicodeTextBlock(text));
}

}  // namespace e2e
