#include "bench_options.h"

#include <gtest/gtest.h>

namespace bench {
namespace {

TEST(BenchOptions, RunsDefaultToSevenAndTakeAPositiveCount) {
  ASSERT_TRUE(ParseOptions({}).has_value());
  EXPECT_EQ(ParseOptions({})->runs, 7);
  ASSERT_TRUE(ParseOptions({"--runs", "3"}).has_value());
  EXPECT_EQ(ParseOptions({"--runs", "3"})->runs, 3);
}

TEST(BenchOptions, RefusesWhatIsNotACountOfRuns) {
  for (const std::vector<std::string>& arguments :
       std::vector<std::vector<std::string>>{{"--runs"},
                                             {"--runs", ""},
                                             {"--runs", "0"},
                                             {"--runs", "-2"},
                                             {"--runs", "3x"},
                                             {"--runs", "1000"},
                                             {"--rounds", "3"},
                                             {"3"}}) {
    EXPECT_EQ(ParseOptions(arguments), std::nullopt) << ::testing::PrintToString(arguments);
  }
}

}  // namespace
}  // namespace bench
