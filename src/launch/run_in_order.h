// The command "順序執行": start every selected item of the list, in list
// order, one after another.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "runtime/failure.h"

namespace launch {

// How every item's window is shown: a normal window with the focus
// (SW_SHOWNORMAL, by value, so that the walk builds without windows.h).
constexpr int kShowNormal = 1;

// An item's identity in the list: given when the item is added, never given
// to another, and kept while other items are added and removed.
using ItemId = uint32_t;

// The main window as the walk sees it. The object must outlive the walk even
// when the window itself is closed during it.
class LauncherWindow {
 public:
  virtual void Minimise() = 0;
  virtual void Restore() = 0;
  // The items whose flag is set, in list order.
  virtual std::vector<ItemId> SelectedItems() = 0;
  // The item's text, or nothing once it has left the list.
  virtual std::optional<std::wstring> ItemText(ItemId item) = 0;
  // True once the window has been closed.
  virtual bool Closed() = 0;
  // Starts one item and returns after its process, if any, has ended and
  // pending window events have run; those events may change the list or close
  // the window. Throws a Failure for a failed start it has not reported
  // itself.
  virtual void RunItem(const std::wstring& item_text, int show_command) = 0;
  // Tells the user that the item could not be started, and why.
  virtual void ReportFailedStart(const std::wstring& item_text, const rt::Failure& failure) = 0;
  // The walk is starting the `started`th of the `total` items it took.
  virtual void ShowProgress(int started, int total) = 0;
  // The walk has ended, however it ended: no progress is shown any more.
  // Called also when the window has been closed meanwhile.
  virtual void ClearProgress() = 0;

 protected:
  ~LauncherWindow() = default;
};

// One per window: it remembers whether a walk is in progress, so that the
// command chosen again while an item runs does not start a second walk.
class RunInOrder {
 public:
  // Minimises the window, runs in list order each item that was selected
  // when the walk began and is still in the list when its turn comes, and
  // restores the window. Items added meanwhile are not run, and none runs
  // twice. Before each item it shows how far it has come, counting every
  // item it took; at its end it clears that. An item that cannot be started is reported and the
  // walk goes on; when the window is closed the walk ends at once and leaves it alone. Any other
  // error ends the walk and propagates, the window restored and the command ready to run again.
  void Run(LauncherWindow& window);

 private:
  void Walk(LauncherWindow& window);

  bool in_progress_ = false;
};

}  // namespace launch
