#include "app/scale.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <optional>

#include "runtime/failure.h"

namespace app {
namespace {

// The kind of failure the action threw, or nothing.
template <typename Action>
std::optional<rt::FailureKind> FailureOf(Action action) {
  try {
    action();
  } catch (const rt::Failure& failure) {
    return failure.kind;
  }
  return std::nullopt;
}

TEST(ScaleTest, TwipsBecomeTheNearestPixelHalvesToEven) {
  EXPECT_EQ(TwipsToPixels(3405, 96), 227);
  EXPECT_EQ(TwipsToPixels(5415, 96), 361);
  EXPECT_EQ(TwipsToPixels(495, 96), 33);
  EXPECT_EQ(TwipsToPixels(3405, 120), 284);  // 283.75
  EXPECT_EQ(TwipsToPixels(1325, 144), 132);  // 132.5
  EXPECT_EQ(TwipsToPixels(1335, 144), 134);  // 133.5
}

TEST(ScaleTest, HorizontalPixelsRoundHalfToEvenWithinTheInt32Range) {
  EXPECT_EQ(HorizontalToPixels(113.5f), 114);
  EXPECT_EQ(HorizontalToPixels(112.5f), 112);
  EXPECT_EQ(HorizontalToPixels(-2.5f), -2);
  EXPECT_EQ(HorizontalToPixels(112.5001f), 113);
  EXPECT_EQ(HorizontalToPixels(-2147483648.f), -2147483647 - 1);
  for (float bad : {2147483648.f, -2147483904.f, INFINITY, NAN}) {
    EXPECT_EQ(FailureOf([=] { HorizontalToPixels(bad); }), rt::FailureKind::kBadValue) << bad;
  }
}

TEST(ScaleTest, SinglePrecisionOverflowFails) {
  EXPECT_EQ(RoundToSingle(FLT_MAX), FLT_MAX);
  EXPECT_EQ(RoundToSingle(-1702.5), -1702.5f);
  for (double bad : {2.0 * FLT_MAX, -2.0 * FLT_MAX, double(INFINITY), double(NAN)}) {
    EXPECT_EQ(FailureOf([=] { RoundToSingle(bad); }), rt::FailureKind::kOverflow) << bad;
  }
}

TEST(VerticalScaleTest, RedefinedUnitKeepsItsSizeWhenTheWindowResizes) {
  VerticalScale scale;
  EXPECT_EQ(scale.ToUnits(361), 361.0f);
  scale.Redefine(361, 352.0f);
  EXPECT_FLOAT_EQ(scale.ToUnits(361), 352.0f);
  EXPECT_FLOAT_EQ(scale.ToUnits(722), 704.0f);
  for (int pixels = -500; pixels <= 5000; ++pixels) {
    ASSERT_EQ(scale.ToPixels(scale.ToUnits(pixels)), pixels);
  }
  EXPECT_EQ(FailureOf([&] { scale.ToPixels(NAN); }), rt::FailureKind::kBadValue);
}

TEST(VerticalScaleTest, RefusesACountThatIsNotAPositiveNumber) {
  VerticalScale scale;
  scale.Redefine(361, 352.0f);
  for (float bad : {0.0f, -1.0f, INFINITY, NAN}) {
    EXPECT_EQ(FailureOf([&] { scale.Redefine(361, bad); }), rt::FailureKind::kBadValue) << bad;
  }
  EXPECT_FLOAT_EQ(scale.ToUnits(361), 352.0f);
  scale.Redefine(1, FLT_MAX);  // a unit so small that two pixels count too many
  EXPECT_EQ(FailureOf([&] { scale.ToUnits(2); }), rt::FailureKind::kOverflow);
}

}  // namespace
}  // namespace app
