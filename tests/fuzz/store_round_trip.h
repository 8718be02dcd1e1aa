// The check the store fuzz target runs on every input, shared with the unit
// tests that replay the seed corpus.
#pragma once

#include <string>
#include <string_view>

namespace items {

// Reads `bytes` as a store file, through the program's own reading, and
// checks what came of it: the reading throws nothing, keeps at most 32768
// items, reports a stop only at a line after those of the items taken, and
// the items it gives, written as the program writes them and read again,
// come back the same with no stop. Returns "" when all holds, or what did
// not.
std::string CheckStoreRoundTrip(std::string_view bytes);

}  // namespace items
