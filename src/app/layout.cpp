#include "app/layout.h"

#include <cstdint>
#include <limits>

#include "app/scale.h"
#include "runtime/failure.h"

namespace app {

namespace {

// Room past the end of the text, so its last character clears the list's
// border when scrolled fully into view.
constexpr int32_t kExtentMargin = 10;

// A button's column counts half client widths from the left.
constexpr int kLeftColumn = 0;
constexpr int kRightColumn = 1;
enum ButtonRow { kFirstRow, kSecondRow };

// A failure abandons the step it arose in, and the next step runs.
template <typename Step>
void RunStep(Step step) {
  try {
    step();
  } catch (const rt::Failure&) {
  }
}

// Where a formula reads the add button's height and another value, that
// height is read first: when a read fails, the reads after it in its step are not made.
double RowTop(LayoutWindow& window, ButtonRow row) {
  if (row == kFirstRow) return window.List().Height();
  const double button_height = window.AddButton().Height();
  return window.List().Height() + button_height;
}

void PlaceButton(LayoutWindow& window, LayoutControl& button, int column, ButtonRow row) {
  RunStep([&] { button.SetLeft(RoundToSingle(window.ClientWidth() / 2.0 * column)); });
  RunStep([&] { button.SetTop(RoundToSingle(RowTop(window, row))); });
  RunStep([&] { button.SetWidth(RoundToSingle(window.ClientWidth() / 2.0)); });
}

}  // namespace

// Each formula is evaluated in double precision and rounded to single
// precision once, when handed to its property; a result that is no finite
// single raises there and abandons its step.
void LayOutControls(LayoutWindow& window) {
  LayoutControl& list = window.List();
  RunStep([&] {
    const double button_height = window.AddButton().Height();
    list.SetHeight(RoundToSingle(window.ClientHeight() - 2 * button_height));
  });
  RunStep([&] { list.SetWidth(RoundToSingle(window.ClientWidth())); });
  PlaceButton(window, window.AddButton(), kLeftColumn, kFirstRow);
  PlaceButton(window, window.RemoveButton(), kRightColumn, kFirstRow);
  PlaceButton(window, window.AddAddressButton(), kLeftColumn, kSecondRow);
  PlaceButton(window, window.RunButton(), kRightColumn, kSecondRow);
  RunStep([&] {
    const double button_height = window.AddButton().Height();
    window.RedefineVerticalUnit(RoundToSingle(2 * button_height + list.Height()));
  });
}

int32_t HorizontalExtent(float text_width) {
  const double base = text_width > 0 ? RoundHalfToEven(text_width) : 0;
  // A base beyond the 32-bit range overflows as well as the sum does.
  if (base + kExtentMargin > std::numeric_limits<int32_t>::max())
    throw rt::Failure(rt::FailureKind::kOverflow);
  return static_cast<int32_t>(base) + kExtentMargin;
}

}  // namespace app
