#include "app/taskbar_progress_win.h"

namespace app {

TaskbarProgress::TaskbarProgress(HWND window) : window_(window) {
  void* taskbar = nullptr;
  if (FAILED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER, IID_ITaskbarList3,
                              &taskbar))) {
    return;
  }
  taskbar_ = static_cast<ITaskbarList3*>(taskbar);
  if (FAILED(taskbar_->HrInit())) {
    taskbar_->Release();
    taskbar_ = nullptr;
  }
}

TaskbarProgress::~TaskbarProgress() {
  if (!taskbar_) return;
  taskbar_->SetProgressState(window_, TBPF_NOPROGRESS);
  taskbar_->Release();
}

void TaskbarProgress::Show(int done, int total) {
  if (!taskbar_ || total <= 0) return;
  taskbar_->SetProgressValue(window_, static_cast<ULONGLONG>(done), static_cast<ULONGLONG>(total));
}

}  // namespace app
