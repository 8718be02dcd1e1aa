#include "app/layout.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>

#include "app/scale.h"
#include "runtime/failure.h"

namespace app {
namespace {

constexpr int kButtonHeight = 495;
constexpr int kListRowHeight = 195;

// A window measured in twips. Tops and heights are kept in twips and seen
// through a vertical scale that RedefineVerticalUnit redefines, as in the real
// window; the list shows whole rows only. Every property access is logged,
// and the access named `failing` raises an error.
class TwipsWindow final : public LayoutWindow {
 public:
  struct Control {
    float Height() {
      window.Access(name + ".Height");
      return window.vertical.ToUnits(height);
    }
    void SetLeft(float units) { left = window.Write(name + ".Left=", units); }
    void SetTop(float units) {
      top = window.vertical.ToPixels(window.Write(name + ".Top=", units));
    }
    void SetWidth(float units) { width = window.Write(name + ".Width=", units); }
    void SetHeight(float units) {
      asked_height = window.vertical.ToPixels(window.Write(name + ".Height=", units));
      if (asked_height < 0) throw rt::Failure(rt::FailureKind::kBadValue);
      height = asked_height - asked_height % row_height;
    }

    TwipsWindow& window;
    std::string name;
    int height;
    int row_height = 1;
    int asked_height = -1, top = -1;
    float left = -1, width = -1;
  };

  TwipsWindow(float client_width, int client_height)
      : client_width(client_width), client_height(client_height) {}

  float ClientWidth() override {
    Access("ClientWidth");
    return client_width;
  }
  float ClientHeight() override {
    Access("ClientHeight");
    return vertical.ToUnits(client_height);
  }
  void RedefineVerticalUnit(float units) override {
    Access("RedefineVerticalUnit");
    vertical.Redefine(client_height, units);
  }
  LayoutControl& List() override { return list_layout; }
  LayoutControl& AddButton() override { return add_layout; }
  LayoutControl& RemoveButton() override { return remove_layout; }
  LayoutControl& AddAddressButton() override { return add_address_layout; }
  LayoutControl& RunButton() override { return run_layout; }

  void Access(const std::string& what) {
    log += (log.empty() ? "" : " ") + what;
    if (what == failing) throw rt::Failure(rt::FailureKind::kBadValue);
  }
  float Write(const std::string& what, float units) {
    Access(what);
    return units;
  }

  float client_width;
  int client_height;
  VerticalScale vertical;  // twips per unit
  std::string log, failing;
  Control list{*this, "List", 4110, kListRowHeight}, add{*this, "Add", kButtonHeight},
      remove{*this, "Remove", kButtonHeight}, add_address{*this, "AddAddress", kButtonHeight},
      run{*this, "Run", kButtonHeight};
  LayoutControlOf<Control> list_layout{list}, add_layout{add}, remove_layout{remove},
      add_address_layout{add_address}, run_layout{run};
};

// The buttons' places in twips: two rows under the list's actual height, two
// columns meeting at the middle.
void ExpectButtonGrid(const TwipsWindow& window, float half_width) {
  for (const TwipsWindow::Control* button :
       {&window.add, &window.remove, &window.add_address, &window.run}) {
    const bool right = button == &window.remove || button == &window.run;
    const bool second_row = button == &window.add_address || button == &window.run;
    EXPECT_EQ(button->left, right ? half_width : 0.0f) << button->name;
    EXPECT_EQ(button->width, half_width) << button->name;
    EXPECT_EQ(button->top, window.list.height + (second_row ? kButtonHeight : 0)) << button->name;
  }
}

TEST(LayOutControlsTest, ButtonsFollowTheHeightTheListTookAtCreationSize) {
  TwipsWindow window(3405, 5415);
  LayOutControls(window);
  EXPECT_EQ(window.list.asked_height, 4425);
  EXPECT_EQ(window.list.height, 4290);  // 22 whole rows
  EXPECT_EQ(window.list.width, 3405);
  ExpectButtonGrid(window, 1702.5f);
  // No gap under the list; the free strip is left at the bottom, and the
  // client height now counts the list and the two button rows.
  EXPECT_EQ(window.ClientHeight(), 4290 + 2 * kButtonHeight);
}

TEST(LayOutControlsTest, LaterLayoutsPlaceControlsAlikeWhateverTheVerticalUnit) {
  TwipsWindow window(3405, 5415);
  LayOutControls(window);
  LayOutControls(window);
  EXPECT_EQ(window.list.height, 4290);
  ExpectButtonGrid(window, 1702.5f);

  window.client_width += 600;
  window.client_height += 2 * kListRowHeight;
  LayOutControls(window);
  EXPECT_EQ(window.list.height, 4290 + 2 * kListRowHeight);
  EXPECT_EQ(window.list.width, 4005);
  ExpectButtonGrid(window, 2002.5f);
}

TEST(LayOutControlsTest, WindowLowerThanTwoButtonsKeepsTheListAndPlacesTheButtons) {
  TwipsWindow window(3405, 800);
  EXPECT_NO_THROW(LayOutControls(window));
  EXPECT_EQ(window.list.asked_height, 800 - 2 * kButtonHeight);
  EXPECT_EQ(window.list.height, 4110);
  EXPECT_EQ(window.list.width, 3405);
  ExpectButtonGrid(window, 1702.5f);
  EXPECT_FLOAT_EQ(window.ClientHeight(), 4110 + 2 * kButtonHeight);
}

// A read can fail and abandon the rest of its step, and a read after the
// list's height was set must see the height it took: the order counts.
TEST(LayOutControlsTest, StepsReadTheirValuesInOrderWhenTheyRun) {
  TwipsWindow window(3405, 5415);
  LayOutControls(window);
  EXPECT_EQ(window.log,
            "Add.Height ClientHeight List.Height= ClientWidth List.Width= "
            "ClientWidth Add.Left= List.Height Add.Top= ClientWidth Add.Width= "
            "ClientWidth Remove.Left= List.Height Remove.Top= ClientWidth Remove.Width= "
            "ClientWidth AddAddress.Left= Add.Height List.Height AddAddress.Top= ClientWidth "
            "AddAddress.Width= "
            "ClientWidth Run.Left= Add.Height List.Height Run.Top= ClientWidth Run.Width= "
            "Add.Height List.Height RedefineVerticalUnit");
}

TEST(LayOutControlsTest, AFailingStepIsSkippedAndTheRestRun) {
  TwipsWindow failing_read(3405, 5415);
  failing_read.failing = "Add.Height";  // abandons steps 1, 10, 13 and 15
  LayOutControls(failing_read);
  EXPECT_EQ(failing_read.list.asked_height, -1);
  EXPECT_EQ(failing_read.list.width, 3405);
  EXPECT_EQ(failing_read.remove.top, 4110);
  EXPECT_EQ(failing_read.run.top, -1);
  EXPECT_EQ(failing_read.run.width, 1702.5f);
  EXPECT_EQ(failing_read.ClientHeight(), 5415);

  TwipsWindow not_finite(INFINITY, 5415);  // abandons every step that reads ClientWidth
  LayOutControls(not_finite);
  EXPECT_EQ(not_finite.list.width, -1);
  EXPECT_EQ(not_finite.remove.left, -1);
  EXPECT_EQ(not_finite.remove.width, -1);
  EXPECT_EQ(not_finite.run.top, 4290 + kButtonHeight);
  EXPECT_EQ(not_finite.ClientHeight(), 4290 + 2 * kButtonHeight);
}

TEST(HorizontalExtentTest, WidthRoundedHalfToEvenPlusTen) {
  const struct {
    float text_width;
    int32_t extent;
  } cases[] = {{0, 10},    {-3.5f, 10}, {0.4f, 10},    {0.6f, 11},
               {2.5f, 12}, {3.5f, 14},  {287.5f, 298}, {2147483520.f, 2147483530}};
  for (const auto& c : cases) EXPECT_EQ(HorizontalExtent(c.text_width), c.extent) << c.text_width;
}

TEST(HorizontalExtentTest, OverflowsPastThe32BitRange) {
  // 2147483637 has no single-precision value of its own: it reads as 2^31.
  for (float text_width : {2147483637.f, 1e10f, FLT_MAX, INFINITY}) {
    try {
      HorizontalExtent(text_width);
      ADD_FAILURE() << text_width << " gave an extent";
    } catch (const rt::Failure& failure) {
      EXPECT_EQ(failure.kind, rt::FailureKind::kOverflow) << text_width;
    }
  }
}

}  // namespace
}  // namespace app
