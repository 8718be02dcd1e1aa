// The command "順序執行": start every selected item of the list, in list
// order, one after another.
#pragma once

#include <cstdint>
#include <string>

namespace launch {

// The show state handed to RunItem for every item: a normal window with the
// focus (SW_SHOWNORMAL).
constexpr int32_t kRunWindowStyle = 1;

// The main window as the walk sees it. The object must outlive the walk even
// when the window itself is closed during it.
class LauncherWindow {
 public:
  virtual void Minimise() = 0;
  virtual void Restore() = 0;
  virtual int ListCount() = 0;
  virtual bool Selected(int index) = 0;
  virtual std::wstring List(int index) = 0;
  // True once the window has been closed.
  virtual bool Unloaded() = 0;
  // Starts one item and returns after its process, if any, has ended and
  // pending window events have run; those events may change the list or close
  // the window.
  virtual void RunItem(std::wstring item_text, int32_t window_style) = 0;

 protected:
  ~LauncherWindow() = default;
};

// One per window: it remembers whether a walk is in progress, so that the
// command chosen again while an item runs does not start a second walk.
class RunInOrder {
 public:
  // Minimises the window, runs each selected item from index 0 to the last
  // index as the list stood before the walk, and restores the window. Items
  // added meanwhile are not run; when items are removed the walk stops at the
  // end of the list as it now stands; when the window is closed the walk ends
  // at once and leaves it alone. An error ends the walk and propagates, the
  // window restored and the command ready to run again.
  void Run(LauncherWindow& window);

 private:
  void Walk(LauncherWindow& window);

  bool in_progress_ = false;
};

}  // namespace launch
