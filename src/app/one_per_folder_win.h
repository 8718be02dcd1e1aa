// One Tavimo per program folder, on Windows: a named mutex holds the folder
// and a property on the main window marks it as the folder's open window.
#pragma once

#include <windows.h>

#include <string>

#include "app/start_options.h"

namespace app {

// Taken as the program starts and held until it ends. When another copy
// holds the folder, its open window is brought to the front (and asked to
// run its ticked items, for a start with /run) and this copy does not hold
// it; when that copy is closing, the start waits for its end.
class FolderHold {
 public:
  explicit FolderHold(const StartOptions& options);
  ~FolderHold();
  FolderHold(const FolderHold&) = delete;
  FolderHold& operator=(const FolderHold&) = delete;

  // False when the start was handed over to the open window: it must end
  // without touching the store.
  bool Held() const { return held_; }
  // The name that marks this folder's open window.
  const std::wstring& Name() const { return name_; }

 private:
  std::wstring name_;
  HANDLE mutex_ = nullptr;
  bool held_ = false;
};

// Marks the window as the folder's open window, which a later start brings
// forward, or takes the mark off when the window closes: from then on a
// later start waits for this copy to end.
void MarkOpenWindow(HWND window, const std::wstring& name);
void UnmarkOpenWindow(HWND window, const std::wstring& name);

}  // namespace app
