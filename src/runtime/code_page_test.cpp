#include "runtime/code_page.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

// Windows fails the whole conversion (ERROR_INVALID_FLAGS) when a code page
// is handed a flag it does not take: with the system code page set to UTF-8,
// every add would then be refused as not storable.
TEST(ExactConversionFlags, AskEachCodePageOnlyForWhatItTakes) {
  struct Case {
    uint32_t code_page;
    uint32_t flags;
  };
  const Case cases[] = {
      {1252, kNoBestFitChars},
      {950, kNoBestFitChars},
      {936, kNoBestFitChars},
      {932, kNoBestFitChars},
      {1250, kNoBestFitChars},
      {65001, kErrorInvalidChars},
      {54936, kErrorInvalidChars},
      {65000, 0},
      {50220, 0},
      {50229, 0},
      {57002, 0},
      {57011, 0},
      {42, 0},
      {50000, kNoBestFitChars},
      {57012, kNoBestFitChars},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ExactConversionFlags(c.code_page), c.flags) << "code page " << c.code_page;
  }
}

}  // namespace
}  // namespace rt
