// Fitting the window's contents to the window: the list across the full
// width on top, beneath it two rows of two buttons, each half the client
// width; and the list's horizontal extent for the text of a clicked item.
#pragma once

#include <cstdint>

namespace app {

// What the layout moves and sizes in a control, in the window's scale units.
class LayoutControl {
 public:
  virtual ~LayoutControl() = default;
  virtual float Height() = 0;
  virtual void SetLeft(float units) = 0;
  virtual void SetTop(float units) = 0;
  virtual void SetWidth(float units) = 0;
  virtual void SetHeight(float units) = 0;
};

// Lets a control wrapper that has these properties of its own take part in
// the layout without knowing about it.
template <typename Control>
class LayoutControlOf final : public LayoutControl {
 public:
  explicit LayoutControlOf(Control& control) : control_(control) {}
  float Height() override { return control_.Height(); }
  void SetLeft(float units) override { control_.SetLeft(units); }
  void SetTop(float units) override { control_.SetTop(units); }
  void SetWidth(float units) override { control_.SetWidth(units); }
  void SetHeight(float units) override { control_.SetHeight(units); }

 private:
  Control& control_;
};

// The window as the layout sees it: its client area in the layout's units,
// and its controls.
class LayoutWindow {
 public:
  virtual ~LayoutWindow() = default;
  virtual float ClientWidth() = 0;
  virtual float ClientHeight() = 0;
  // Redefines the vertical unit so that the client height counts `units`.
  virtual void RedefineVerticalUnit(float units) = 0;
  virtual LayoutControl& List() = 0;
  // Its height is the height of each button row.
  virtual LayoutControl& AddButton() = 0;
  virtual LayoutControl& RemoveButton() = 0;
  virtual LayoutControl& AddAddressButton() = 0;
  virtual LayoutControl& RunButton() = 0;
};

// Lays the controls out in fifteen steps, each reading its values when it
// runs, so the buttons follow the height the list actually took (a list
// showing whole rows only shortens itself). A step that fails is abandoned
// and the next one runs: a window lower than two buttons, whose list refuses a negative height,
// still gets its buttons placed. The last step redefines the vertical unit so that the client
// height counts the list and the two button rows.
void LayOutControls(LayoutWindow& window);

// The list box's horizontal extent, in pixels, for a text measuring
// `text_width` in the window's horizontal units: the width rounded to the
// nearest whole number (a half to the even neighbour; 0 for a width of 0 or
// less) plus a margin of 10. Throws kOverflow past the 32-bit range.
int32_t HorizontalExtent(float text_width);

}  // namespace app
