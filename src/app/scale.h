// Arithmetic of the window's scale units. Positions and sizes are
// single-precision numbers in those units: across, the unit is the pixel;
// down, it is the pixel until the window's ScaleHeight is written, which
// redefines it. The window's creation geometry is given in twips.
#pragma once

namespace app {

inline constexpr int kTwipsPerInch = 1440;

// The nearest whole number; a half goes to the even neighbour (2.5 -> 2,
// 3.5 -> 4), as the runtime rounds everywhere.
double RoundHalfToEven(double value);

// Rounds the result of a formula to single precision, once, as when it is
// handed to a property. Throws kOverflow for a result that is no number,
// infinite, or beyond the single-precision range.
float RoundToSingle(double value);

// The nearest pixel count of a length in twips at the given dots per inch.
int TwipsToPixels(int twips, int dpi);

// The nearest pixel of a horizontal position or size. Throws kBadValue for a value that is no
// number or lies beyond the pixel range of a window.
int HorizontalToPixels(float units);

// The vertical unit: starts as the pixel. Once redefined it keeps its size in
// pixels when the window is resized, so the client height's count of units
// changes with the window instead.
class VerticalScale {
 public:
  // Throws kOverflow when the count exceeds the single-precision range.
  float ToUnits(int pixels) const;
  // Rounds to the nearest pixel; throws kBadValue for a
  // value that is no number or lies beyond the pixel range of a window.
  int ToPixels(float units) const;
  // Makes `client_pixels` (a height greater than 0) count `units` units.
  // Throws kBadValue, keeping the unit, when `units` is
  // not a finite number greater than 0.
  void Redefine(int client_pixels, float units);

 private:
  double pixels_per_unit_ = 1.0;
};

}  // namespace app
