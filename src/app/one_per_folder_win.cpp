#include "app/one_per_folder_win.h"

#include "app/integer_pointers_win.h"
#include "app/one_per_folder.h"
#include "app/start_options_win.h"
#include "runtime/paths.h"

namespace app {

namespace {

// The folder's identity from the file system, the same by every path to it;
// by its path where the folder cannot be opened.
std::wstring ClaimNameOfProgramFolder() {
  const std::wstring folder = rt::ProgramFolder();
  const HANDLE handle = CreateFileW(folder.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  BY_HANDLE_FILE_INFORMATION info{};
  const bool known = handle != INVALID_HANDLE_VALUE && GetFileInformationByHandle(handle, &info);
  if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  if (!known) return FolderClaimName(folder);
  const uint64_t index = static_cast<uint64_t>(info.nFileIndexHigh) << 32 | info.nFileIndexLow;
  return FolderClaimName(FolderIdentity{info.dwVolumeSerialNumber, index});
}

struct WindowSearch {
  const std::wstring* name;
  HWND found;
};

BOOL CALLBACK FindMarkedWindow(HWND window, LPARAM context) {
  auto* search = PointerFromInteger<WindowSearch*>(context);
  if (!GetPropW(window, search->name->c_str())) return TRUE;
  search->found = window;
  return FALSE;
}

class HeldByMutex final : public ProgramFolder {
 public:
  HeldByMutex(HANDLE mutex, const std::wstring& name, bool run_ticked_items)
      : mutex_(mutex), name_(name), run_ticked_items_(run_ticked_items) {}

  bool TryTake(std::chrono::milliseconds limit) override {
    // Abandoned: the copy that held it ended without letting go.
    const DWORD result = WaitForSingleObject(mutex_, static_cast<DWORD>(limit.count()));
    return result == WAIT_OBJECT_0 || result == WAIT_ABANDONED;
  }

  bool BringOpenWindowForward() override {
    WindowSearch search{&name_, nullptr};
    EnumWindows(FindMarkedWindow, reinterpret_cast<LPARAM>(&search));
    if (!search.found) return false;
    // Asynchronous: a copy that is busy cannot hold this start.
    if (IsIconic(search.found)) ShowWindowAsync(search.found, SW_RESTORE);
    // A box the window shows comes forward in its place.
    SetForegroundWindow(GetLastActivePopup(search.found));
    // A start with /run hands its run over too.
    if (run_ticked_items_) AskToRunTickedItems(search.found);
    return true;
  }

 private:
  HANDLE mutex_;
  const std::wstring& name_;
  bool run_ticked_items_;
};

}  // namespace

FolderHold::FolderHold(const StartOptions& options) : name_(ClaimNameOfProgramFolder()) {
  mutex_ = CreateMutexW(nullptr, FALSE, name_.c_str());
  // Without the mutex the folder cannot be shared out: open as before.
  if (!mutex_) {
    held_ = true;
    return;
  }
  HeldByMutex folder(mutex_, name_, options.run_ticked_items);
  held_ = TakeFolderOrHandOver(folder) == StartDecision::kOpenTheWindow;
}

FolderHold::~FolderHold() {
  if (!mutex_) return;
  if (held_) ReleaseMutex(mutex_);
  CloseHandle(mutex_);
}

void MarkOpenWindow(HWND window, const std::wstring& name) {
  // Any value but null marks it: the window's own handle serves.
  SetPropW(window, name.c_str(), window);
}

void UnmarkOpenWindow(HWND window, const std::wstring& name) { RemovePropW(window, name.c_str()); }

}  // namespace app
