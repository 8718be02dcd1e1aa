// For the unit tests, the fuzz target and the benchmarks' checks: a store
// file read and written through the program's own entry points, ReadItemStore
// with a sink that keeps the items, and AppendStoredItem with SaveStoreBytes.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "items/store.h"
#include "support/temp_folder.h"

namespace test {

struct StoredItem {
  std::wstring text;
  bool selected;
};

inline bool operator==(const StoredItem& a, const StoredItem& b) {
  return a.text == b.text && a.selected == b.selected;
}

// What a reading of the store gave: the items in file order, and how it went.
struct StoreRead {
  std::vector<StoredItem> items;
  items::StoreReading reading;
};

// Keeps every item a reading of the store hands over.
class KeepItems : public items::StoredItemSink {
 public:
  void Expect(size_t most_items, size_t) override { items.reserve(most_items); }
  void Take(const std::wstring& text, bool selected) override { items.push_back({text, selected}); }

  std::vector<StoredItem> items;
};

// Reads the store file in `program_folder`, as the program does at start.
StoreRead ReadStore(const std::wstring& program_folder);

// Puts `bytes` in `folder` as its store file, and reads it.
StoreRead ReadStoreBytes(const TempFolder& folder, std::string_view bytes);

// The store file's bytes for `items`, as the program makes them at close.
std::string StoreBytes(const std::vector<StoredItem>& items);

// Saves `items` to the store file in `program_folder`, as the program does
// after a load that read the whole file, or, given the store bytes of the
// list as loaded, one that did not. Throws std::runtime_error when the save
// fails: a test that needs the failure calls items::SaveStoreBytes.
void SaveStore(const std::wstring& program_folder, const std::vector<StoredItem>& items,
               const std::optional<std::string>& list_from_unread_file = std::nullopt);

}  // namespace test
