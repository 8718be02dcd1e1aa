#include "launch/run_in_order.h"

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

void EndWalk(LauncherWindow& window) {
  window.ClearProgress();
  if (!window.Closed()) window.Restore();
}

}  // namespace

void RunInOrder::Run(LauncherWindow& window) {
  if (in_progress_) return;
  InProgressMark mark(in_progress_);
  try {
    window.Minimise();
    Walk(window);
  } catch (...) {
    EndWalk(window);
    throw;
  }
  EndWalk(window);
}

void RunInOrder::Walk(LauncherWindow& window) {
  // The items are taken by identity before the first one runs: each run lets
  // other events add, remove and move items, which moves the others' indexes.
  const std::vector<ItemId> items = window.SelectedItems();
  const int total = static_cast<int>(items.size());
  int position = 0;
  for (const ItemId item : items) {
    ++position;
    if (window.Closed()) return;
    const std::optional<std::wstring> text = window.ItemText(item);
    if (!text) continue;  // removed meanwhile
    window.ShowProgress(position, total);
    try {
      window.RunItem(*text, kShowNormal);
    } catch (const rt::Failure& failure) {
      window.ReportFailedStart(*text, failure);
    }
  }
}

}  // namespace launch
