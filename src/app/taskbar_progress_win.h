// The progress shown in the window's taskbar button, where the taskbar offers
// it (ITaskbarList3, Windows 7 and later).
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <shobjidl.h>

namespace app {

class TaskbarProgress {
 public:
  // Asks COM for the taskbar; where there is none, Show does nothing.
  explicit TaskbarProgress(HWND window);
  // Takes the progress off the button.
  ~TaskbarProgress();
  TaskbarProgress(const TaskbarProgress&) = delete;
  TaskbarProgress& operator=(const TaskbarProgress&) = delete;

  void Show(int done, int total);

 private:
  HWND window_;
  ITaskbarList3* taskbar_ = nullptr;
};

}  // namespace app
