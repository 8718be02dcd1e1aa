#include "runtime/code_page.h"

namespace rt {

uint32_t ExactConversionFlags(uint32_t code_page) {
  constexpr uint32_t kUtf7 = 65000, kUtf8 = 65001, kGb18030 = 54936, kSymbol = 42;
  // ISO-2022 Japanese, Korean and Chinese, and the ISCII code pages.
  const bool stateful =
      (code_page >= 50220 && code_page <= 50229) || (code_page >= 57002 && code_page <= 57011);
  if (code_page == kUtf8 || code_page == kGb18030) return kErrorInvalidChars;
  if (code_page == kUtf7 || code_page == kSymbol || stateful) return 0;
  return kNoBestFitChars;
}

}  // namespace rt
