#include "bench_stores.h"

#include <gtest/gtest.h>

#include <set>

#include "items/store.h"
#include "launch/route.h"

namespace bench {
namespace {

TEST(BenchStores, FullListIsReadByTavimoAndWrittenBackByteForByte) {
  const std::string bytes = FullListStore(kFullListItems, kFullListTextLength);
  const items::StoreLoad load = items::ParseItemStore(bytes);
  EXPECT_EQ(load.reading.stopped_at_line, std::nullopt);
  ASSERT_EQ(load.items.size(), static_cast<size_t>(kFullListItems));
  std::set<std::wstring> texts;
  for (const items::StoredItem& item : load.items) {
    EXPECT_EQ(item.text.size(), kFullListTextLength) << "expected every text this long";
    EXPECT_FALSE(item.selected);
    texts.insert(item.text);
  }
  EXPECT_EQ(texts.size(), load.items.size()) << "expected every text to differ";
  // The close is checked by comparing the saved file with these bytes.
  EXPECT_EQ(items::FormatItemStore(load.items), bytes);
}

TEST(BenchStores, ShortestProgramPathIsExactAndShorterIsRefused) {
  const items::StoreLoad load = items::ParseItemStore(FullListStore(3, kShortestProgramPath));
  ASSERT_EQ(load.items.size(), 3u);
  EXPECT_EQ(load.items[2].text.size(), kShortestProgramPath);
  EXPECT_THROW(FullListStore(1, kShortestProgramPath - 1), std::invalid_argument);
}

TEST(BenchStores, WalkListsEveryDocumentSelectedOnTheAssociationRoute) {
  const std::string folder = "C:\\users\\bench\\Temp\\tavimo-bench-1";
  const items::StoreLoad load = items::ParseItemStore(WalkStore(folder, kWalkItems));
  ASSERT_EQ(load.items.size(), static_cast<size_t>(kWalkItems));
  for (int i = 0; i < kWalkItems; ++i) {
    const items::StoredItem& item = load.items[static_cast<size_t>(i)];
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
