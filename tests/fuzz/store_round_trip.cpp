#include "store_round_trip.h"

#include <exception>

#include "items/store.h"
#include "runtime/run_error.h"

namespace items {

namespace {

std::string CheckParsed(std::string_view bytes) {
  const StoreLoad load = ParseItemStore(bytes);
  if (load.items.size() > 32768) return "more than 32768 items";
  if (load.reading.stopped_at_line &&
      *load.reading.stopped_at_line <= static_cast<int>(load.items.size())) {
    return "stop reported at line " + std::to_string(*load.reading.stopped_at_line) + " after " +
           std::to_string(load.items.size()) + " items";
  }
  const StoreLoad again = ParseItemStore(FormatItemStore(load.items));
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
  } catch (const rt::RunError& error) {
    return "run-time error " + std::to_string(error.number);
  } catch (const std::exception& error) {
    return std::string("exception: ") + error.what();
  }
}

}  // namespace items
