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
// through a vertical scale that ScaleHeight redefines, as in the real
// window; the list shows whole rows only. Every property access is logged,
// and the access named `failing` raises an error.
class TwipsForm final : public LayoutForm {
 public:
  struct Control {
    float Height() {
      form.Access(name + ".Height");
      return form.vertical.ToUnits(height);
    }
    void SetLeft(float units) { left = form.Write(name + ".Left=", units); }
    void SetTop(float units) { top = form.vertical.ToPixels(form.Write(name + ".Top=", units)); }
    void SetWidth(float units) { width = form.Write(name + ".Width=", units); }
    void SetHeight(float units) {
      asked_height = form.vertical.ToPixels(form.Write(name + ".Height=", units));
      if (asked_height < 0) throw rt::Failure(rt::FailureKind::kBadValue);
      height = asked_height - asked_height % row_height;
    }

    TwipsForm& form;
    std::string name;
    int height;
    int row_height = 1;
    int asked_height = -1, top = -1;
    float left = -1, width = -1;
  };

  TwipsForm(float client_width, int client_height)
      : client_width(client_width), client_height(client_height) {}

  float ScaleWidth() override {
    Access("ScaleWidth");
    return client_width;
  }
  float ScaleHeight() override {
    Access("ScaleHeight");
    return vertical.ToUnits(client_height);
  }
  void SetScaleHeight(float units) override {
    Access("ScaleHeight=");
    vertical.Redefine(client_height, units);
  }
  LayoutControl& List() override { return lst_layout; }
  LayoutControl& AddButton() override { return add_layout; }
  LayoutControl& RemoveButton() override { return del_layout; }
  LayoutControl& WebButton() override { return web_layout; }
  LayoutControl& RunButton() override { return exe_layout; }

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
  Control lst{*this, "Lst", 4110, kListRowHeight}, add{*this, "CAdd", kButtonHeight},
      del{*this, "CDel", kButtonHeight}, web{*this, "CWeb", kButtonHeight},
      exe{*this, "CExe", kButtonHeight};
  LayoutControlOf<Control> lst_layout{lst}, add_layout{add}, del_layout{del}, web_layout{web},
      exe_layout{exe};
};

// The buttons' places in twips: two rows under the list's actual height, two
// columns meeting at the middle.
void ExpectButtonGrid(const TwipsForm& form, float half_width) {
  for (const TwipsForm::Control* button : {&form.add, &form.del, &form.web, &form.exe}) {
    const bool right = button == &form.del || button == &form.exe;
    const bool second_row = button == &form.web || button == &form.exe;
    EXPECT_EQ(button->left, right ? half_width : 0.0f) << button->name;
    EXPECT_EQ(button->width, half_width) << button->name;
    EXPECT_EQ(button->top, form.lst.height + (second_row ? kButtonHeight : 0)) << button->name;
  }
}

TEST(LayOutControlsTest, ButtonsFollowTheHeightTheListTookAtCreationSize) {
  TwipsForm form(3405, 5415);
  LayOutControls(form);
  EXPECT_EQ(form.lst.asked_height, 4425);
  EXPECT_EQ(form.lst.height, 4290);  // 22 whole rows
  EXPECT_EQ(form.lst.width, 3405);
  ExpectButtonGrid(form, 1702.5f);
  // No gap under the list; the free strip is left at the bottom, and the
  // client height now counts the list and the two button rows.
  EXPECT_EQ(form.ScaleHeight(), 4290 + 2 * kButtonHeight);
}

TEST(LayOutControlsTest, LaterLayoutsPlaceControlsAlikeWhateverTheVerticalUnit) {
  TwipsForm form(3405, 5415);
  LayOutControls(form);
  LayOutControls(form);
  EXPECT_EQ(form.lst.height, 4290);
  ExpectButtonGrid(form, 1702.5f);

  form.client_width += 600;
  form.client_height += 2 * kListRowHeight;
  LayOutControls(form);
  EXPECT_EQ(form.lst.height, 4290 + 2 * kListRowHeight);
  EXPECT_EQ(form.lst.width, 4005);
  ExpectButtonGrid(form, 2002.5f);
}

TEST(LayOutControlsTest, WindowLowerThanTwoButtonsKeepsTheListAndPlacesTheButtons) {
  TwipsForm form(3405, 800);
  EXPECT_NO_THROW(LayOutControls(form));
  EXPECT_EQ(form.lst.asked_height, 800 - 2 * kButtonHeight);
  EXPECT_EQ(form.lst.height, 4110);
  EXPECT_EQ(form.lst.width, 3405);
  ExpectButtonGrid(form, 1702.5f);
  EXPECT_FLOAT_EQ(form.ScaleHeight(), 4110 + 2 * kButtonHeight);
}

// A read can fail and abandon the rest of its step, and a read after the
// list's height was set must see the height it took: the order counts.
TEST(LayOutControlsTest, StepsReadTheirValuesInOrderWhenTheyRun) {
  TwipsForm form(3405, 5415);
  LayOutControls(form);
  EXPECT_EQ(form.log,
            "CAdd.Height ScaleHeight Lst.Height= ScaleWidth Lst.Width= "
            "ScaleWidth CAdd.Left= Lst.Height CAdd.Top= ScaleWidth CAdd.Width= "
            "ScaleWidth CDel.Left= Lst.Height CDel.Top= ScaleWidth CDel.Width= "
            "ScaleWidth CWeb.Left= CAdd.Height Lst.Height CWeb.Top= ScaleWidth CWeb.Width= "
            "ScaleWidth CExe.Left= CAdd.Height Lst.Height CExe.Top= ScaleWidth CExe.Width= "
            "CAdd.Height Lst.Height ScaleHeight=");
}

TEST(LayOutControlsTest, AFailingStepIsSkippedAndTheRestRun) {
  TwipsForm failing_read(3405, 5415);
  failing_read.failing = "CAdd.Height";  // abandons steps 1, 10, 13 and 15
  LayOutControls(failing_read);
  EXPECT_EQ(failing_read.lst.asked_height, -1);
  EXPECT_EQ(failing_read.lst.width, 3405);
  EXPECT_EQ(failing_read.del.top, 4110);
  EXPECT_EQ(failing_read.exe.top, -1);
  EXPECT_EQ(failing_read.exe.width, 1702.5f);
  EXPECT_EQ(failing_read.ScaleHeight(), 5415);

  TwipsForm not_finite(INFINITY, 5415);  // abandons every step that reads ScaleWidth
  LayOutControls(not_finite);
  EXPECT_EQ(not_finite.lst.width, -1);
  EXPECT_EQ(not_finite.del.left, -1);
  EXPECT_EQ(not_finite.del.width, -1);
  EXPECT_EQ(not_finite.exe.top, 4290 + kButtonHeight);
  EXPECT_EQ(not_finite.ScaleHeight(), 4290 + 2 * kButtonHeight);
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
