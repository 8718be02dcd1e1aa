#include "app/scale.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "runtime/failure.h"

namespace app {

namespace {

// A double beyond the single range must become infinity, not undefined
// behaviour, for RoundToSingle to see it.
static_assert(std::numeric_limits<float>::is_iec559, "IEEE single precision expected");

// Window coordinates are 32-bit signed pixel counts.
int NearestPixel(double pixels) {
  const double nearest = RoundHalfToEven(pixels);
  // Written so that a NaN fails the test as well.
  if (!(nearest >= std::numeric_limits<int32_t>::min() &&
        nearest <= std::numeric_limits<int32_t>::max())) {
    throw rt::Failure(rt::FailureKind::kBadValue);
  }
  return static_cast<int>(nearest);
}

}  // namespace

double RoundHalfToEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;
  if (fraction < 0.5) return below;
  if (fraction > 0.5) return below + 1;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

float RoundToSingle(double value) {
  const float single = static_cast<float>(value);
  if (!std::isfinite(single)) throw rt::Failure(rt::FailureKind::kOverflow);
  return single;
}

int TwipsToPixels(int twips, int dpi) {
  return static_cast<int>(RoundHalfToEven(static_cast<double>(twips) * dpi / kTwipsPerInch));
}

int HorizontalToPixels(float units) { return NearestPixel(units); }

float VerticalScale::ToUnits(int pixels) const { return RoundToSingle(pixels / pixels_per_unit_); }

int VerticalScale::ToPixels(float units) const { return NearestPixel(units * pixels_per_unit_); }

void VerticalScale::Redefine(int client_pixels, float units) {
  if (!(std::isfinite(units) && units > 0)) throw rt::Failure(rt::FailureKind::kBadValue);
  pixels_per_unit_ = client_pixels / static_cast<double>(units);
}

}  // namespace app
