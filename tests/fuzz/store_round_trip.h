// The check the store fuzz target runs on every input, shared with the unit
// tests that replay the seed corpus.
#pragma once

#include <string>
#include <string_view>

namespace items {

// Parses `bytes` as a store file and checks what came of it: the parse
// throws nothing, keeps at most 32768 items, reports a stop only at a line
// after those of the items taken, and the items it gives, written and read
// again, come back the same with no stop. Returns "" when all holds, or
// what did not.
std::string CheckStoreRoundTrip(std::string_view bytes);

}  // namespace items
