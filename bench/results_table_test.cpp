#include "results_table.h"

#include <gtest/gtest.h>

namespace bench {
namespace {

TEST(Median, MiddleOfUnsortedSamplesOrMeanOfTheTwoMiddleOnes) {
  EXPECT_EQ(Median({7}), 7);
  EXPECT_EQ(Median({9, 1, 5}), 5);
  EXPECT_EQ(Median({40, 10, 30, 20}), 25);
  EXPECT_EQ(Median({3, 1000, 2, 1, 2}), 2) << "one outlier must not move the median";
  EXPECT_THROW(Median({}), std::invalid_argument);
}

TEST(Ratio, MediansOfTavimoOverTheFloorAndTheTargetInclusive) {
  Figure figure{"close", "ms", 1.5, {30, 15, 16}, {10, 11, 9}};
  ASSERT_TRUE(Ratio(figure).has_value());
  EXPECT_DOUBLE_EQ(*Ratio(figure), 1.6);
  EXPECT_FALSE(MeetsTarget(figure));
  figure.tavimo = {15};
  EXPECT_TRUE(MeetsTarget(figure)) << "a ratio equal to the target meets it";
}

TEST(Ratio, NoneWithoutSamplesOrWithAFloorOfZero) {
  EXPECT_EQ(Ratio({"a", "ms", 1.1, {}, {5}}), std::nullopt);
  EXPECT_EQ(Ratio({"b", "ms", 1.1, {5}, {}}), std::nullopt);
  EXPECT_EQ(Ratio({"c", "ms", 1.1, {5}, {0, 0, 1}}), std::nullopt);
  EXPECT_FALSE(MeetsTarget({"c", "ms", 1.1, {5}, {0}}));
}

TEST(FormatTable, OneLinePerFigureWithMediansRatioTargetAndVerdict) {
  const std::string table = FormatTable({{"start-up", "ms", 1.10, {105, 99, 300}, {100, 90, 110}},
                                         {"memory", "KiB", 1.30, {200}, {100}},
                                         {"walk", "ms", 1.10, {}, {100}}});
  const auto line_with = [&](const std::string& name) {
    const size_t at = table.find("\n" + name);
    return at == std::string::npos ? std::string()
                                   : table.substr(at + 1, table.find('\n', at + 1) - at - 1);
  };
  const std::string start_up = line_with("start-up");
  EXPECT_NE(start_up.find("105.0"), std::string::npos) << start_up;
  EXPECT_NE(start_up.find("100.0"), std::string::npos) << start_up;
  EXPECT_NE(start_up.find("1.050"), std::string::npos) << start_up;
  EXPECT_NE(start_up.find("<= 1.100  met"), std::string::npos) << start_up;
  EXPECT_NE(line_with("memory").find("2.000"), std::string::npos) << line_with("memory");
  EXPECT_NE(line_with("memory").find("MISSED"), std::string::npos) << line_with("memory");
  EXPECT_NE(line_with("walk").find("MISSED"), std::string::npos) << "no samples, no verdict";
}

TEST(Allowance, TheCostOverThePlainFloorAndNeverBelowNothing) {
  EXPECT_NEAR(Allowance({"drop target", "ms", {106, 104, 105}, {100}, "start-up"}), 0.05, 1e-9);
  EXPECT_EQ(Allowance({"drop target", "ms", {98}, {100}, "start-up"}), 0)
      << "work measured as cheaper than none allows nothing";
  EXPECT_EQ(Allowance({"drop target", "ms", {}, {100}, "start-up"}), 0);
}

TEST(FormatCosts, OneLinePerCostWithItsAllowanceAndTheFigureItIsAllowedTo) {
  const std::string table = FormatCosts({{"drop target", "ms", {106}, {100}, "start-up"},
                                         {"drop target memory", "KiB", {120}, {100}, ""}});
  EXPECT_NE(table.find("1.060    +0.060  start-up\n"), std::string::npos) << table;
  EXPECT_NE(table.find("1.200         -  (shown only)\n"), std::string::npos) << table;
}

}  // namespace
}  // namespace bench
