// Replays the store fuzz target's seed corpus through the fuzz check, so
// the ordinary test run covers it without clang's fuzzer runtime.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "store_round_trip.h"

namespace items {
namespace {

TEST(StoreFuzzCorpus, EverySeedPassesTheFuzzCheck) {
  int seeds = 0;
  for (const auto& entry : std::filesystem::directory_iterator(TAVIMO_STORE_CORPUS_DIR)) {
    std::ifstream file(entry.path(), std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    EXPECT_EQ(CheckStoreRoundTrip(bytes), "") << entry.path();
    ++seeds;
  }
  EXPECT_GT(seeds, 0) << "no seeds in " << TAVIMO_STORE_CORPUS_DIR;
}

}  // namespace
}  // namespace items
