#include "launch/run_in_order.h"

#include <cstdint>
#include <limits>

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

// List indexes are 16-bit signed numbers: a last index beyond them overflows
// rather than wrapping round to a walk of nothing.
int LastIndex(int list_count) {
  const int last = list_count - 1;
  if (last > std::numeric_limits<int16_t>::max()) rt::Raise(rt::kOverflow);
  return last;
}

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
  const int last_index = LastIndex(window.ListCount());
  for (int index = 0; index <= last_index; ++index) {
    // Each item's run lets other events close the window or shorten the list.
    if (window.Unloaded() || index >= window.ListCount()) return;
    if (window.Selected(index)) window.RunItem(window.List(index), kRunWindowStyle);
  }
}

}  // namespace launch
