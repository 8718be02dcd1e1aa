// libFuzzer target: arbitrary bytes as an item store file.
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "store_round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string failure =
      items::CheckStoreRoundTrip({reinterpret_cast<const char*>(data), size});
  if (!failure.empty()) {
    std::fprintf(stderr, "store check failed: %s\n", failure.c_str());
    std::abort();
  }
  return 0;
}
