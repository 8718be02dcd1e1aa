#include "store_round_trip.h"

#include <exception>

#include "runtime/failure.h"
#include "support/stored_items.h"
#include "support/temp_folder.h"

namespace items {

namespace {

std::string CheckParsed(std::string_view bytes) {
  // One folder for every input: the store file is written anew each time.
  static const test::TempFolder folder;
  const test::StoreRead load = test::ReadStoreBytes(folder, bytes);
  if (load.items.size() > 32768) return "more than 32768 items";
  if (load.reading.stopped_at_line &&
      *load.reading.stopped_at_line <= static_cast<int>(load.items.size())) {
    return "stop reported at line " + std::to_string(*load.reading.stopped_at_line) + " after " +
           std::to_string(load.items.size()) + " items";
  }
  const test::StoreRead again = test::ReadStoreBytes(folder, test::StoreBytes(load.items));
  if (again.reading.stopped_at_line) {
    return "written items stop at line " + std::to_string(*again.reading.stopped_at_line);
  }
  if (!(again.items == load.items)) return "written items read back differently";
  return {};
}

}  // namespace

std::string CheckStoreRoundTrip(std::string_view bytes) {
  try {
    return CheckParsed(bytes);
  } catch (const rt::Failure& failure) {
    return "failure of kind " + std::to_string(static_cast<int>(failure.kind));
  } catch (const std::exception& error) {
    return std::string("exception: ") + error.what();
  }
}

}  // namespace items
