#include "launch/run_in_order.h"

#include "runtime/run_error.h"

namespace launch {

namespace {

// Marks a walk in progress for its lifetime, so that every way out of a walk,
// an error included, allows the next one.
class InProgressMark {
 public:
  explicit InProgressMark(bool& in_progress) : in_progress_(in_progress) { in_progress_ = true; }
  ~InProgressMark() { in_progress_ = false; }
  InProgressMark(const InProgressMark&) = delete;
  InProgressMark& operator=(const InProgressMark&) = delete;

 private:
  bool& in_progress_;
};

void RestoreUnlessUnloaded(LauncherWindow& window) {
  if (!window.Unloaded()) window.Restore();
}

}  // namespace

void RunInOrder::Run(LauncherWindow& window) {
  if (in_progress_) return;
  InProgressMark mark(in_progress_);
  try {
    window.Minimise();
    Walk(window);
  } catch (...) {
    RestoreUnlessUnloaded(window);
    throw;
  }
  RestoreUnlessUnloaded(window);
}

void RunInOrder::Walk(LauncherWindow& window) {
  // The items are taken by identity before the first one runs: each run lets
  // other events add and remove items, which moves the others' indexes.
  for (const ItemId item : window.SelectedItems()) {
    if (window.Unloaded()) return;
    const std::optional<std::wstring> text = window.ItemText(item);
    if (!text) continue;  // removed meanwhile
    try {
      window.RunItem(*text, kRunWindowStyle);
    } catch (const rt::RunError& error) {
      window.ReportFailedStart(*text, error.description);
    }
  }
}

}  // namespace launch
