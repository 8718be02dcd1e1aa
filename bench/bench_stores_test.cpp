#include "bench_stores.h"

#include <gtest/gtest.h>

#include <set>

#include "launch/route.h"
#include "support/stored_items.h"
#include "support/temp_folder.h"

namespace bench {
namespace {

// The stores are read as Tavimo reads them, from a fresh folder.
class BenchStores : public ::testing::Test {
 protected:
  test::TempFolder folder_;
};

TEST_F(BenchStores, FullListIsReadByTavimoAndWrittenBackByteForByte) {
  const std::string bytes = FullListStore(kFullListItems, kFullListTextLength);
  const test::StoreRead load = test::ReadStoreBytes(folder_, bytes);
  EXPECT_EQ(load.reading.stopped_at_line, std::nullopt);
  ASSERT_EQ(load.items.size(), static_cast<size_t>(kFullListItems));
  std::set<std::wstring> texts;
  for (const test::StoredItem& item : load.items) {
    EXPECT_EQ(item.text.size(), kFullListTextLength) << "expected every text this long";
    EXPECT_FALSE(item.selected);
    texts.insert(item.text);
  }
  EXPECT_EQ(texts.size(), load.items.size()) << "expected every text to differ";
  // The close is checked by comparing the saved file with these bytes.
  EXPECT_EQ(test::StoreBytes(load.items), bytes);
}

TEST_F(BenchStores, ShortestProgramPathIsExactAndShorterIsRefused) {
  const test::StoreRead load =
      test::ReadStoreBytes(folder_, FullListStore(3, kShortestProgramPath));
  ASSERT_EQ(load.items.size(), 3u);
  EXPECT_EQ(load.items[2].text.size(), kShortestProgramPath);
  EXPECT_THROW(FullListStore(1, kShortestProgramPath - 1), std::invalid_argument);
}

TEST_F(BenchStores, WalkListsEveryDocumentSelectedOnTheAssociationRoute) {
  const std::string folder = "C:\\users\\bench\\Temp\\tavimo-bench-1";
  const test::StoreRead load = test::ReadStoreBytes(folder_, WalkStore(folder, kWalkItems));
  ASSERT_EQ(load.items.size(), static_cast<size_t>(kWalkItems));
  for (int i = 0; i < kWalkItems; ++i) {
    const test::StoredItem& item = load.items[static_cast<size_t>(i)];
    const std::string expected = folder + "\\" + DocumentName(i);
    EXPECT_EQ(item.text, std::wstring(expected.begin(), expected.end()));
    EXPECT_TRUE(item.selected);
    EXPECT_EQ(launch::ChooseRoute(item.text), launch::LaunchRoute::kAssociation)
        << "the walk measures the route that waits for an associated program";
  }
  EXPECT_NE(DocumentName(1), DocumentName(10));
}

}  // namespace
}  // namespace bench
