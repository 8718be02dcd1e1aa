#include "support/stored_items.h"

#include <stdexcept>
#include <utility>

namespace test {

StoreRead ReadStore(const std::wstring& program_folder) {
  KeepItems keep;
  StoreRead read;
  read.reading = items::ReadItemStore(program_folder, keep);
  read.items = std::move(keep.items);
  return read;
}

StoreRead ReadStoreBytes(const TempFolder& folder, std::string_view bytes) {
  folder.Write("exefiles.dat", bytes);
  return ReadStore(folder.Path());
}

std::string StoreBytes(const std::vector<StoredItem>& items) {
  std::string bytes;
  for (const StoredItem& item : items) items::AppendStoredItem(bytes, item.text, item.selected);
  return bytes;
}

void SaveStore(const std::wstring& program_folder, const std::vector<StoredItem>& items,
               const std::optional<std::string>& list_from_unread_file) {
  if (items::SaveStoreBytes(program_folder, StoreBytes(items), list_from_unread_file)) {
    throw std::runtime_error("the store was not saved");
  }
}

}  // namespace test
