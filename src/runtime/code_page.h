// What Windows accepts when asked to convert text to a given code page.
#pragma once

#include <cstdint>

namespace rt {

// WideCharToMultiByte's flags, by value, so that the decision below builds
// and is tested without windows.h.
inline constexpr uint32_t kNoBestFitChars = 0x400;    // WC_NO_BEST_FIT_CHARS
inline constexpr uint32_t kErrorInvalidChars = 0x80;  // WC_ERR_INVALID_CHARS

// The flags for a conversion to `code_page` that should refuse to change a
// character. Most code pages take kNoBestFitChars. UTF-8 (65001, also a
// system code page Windows offers) and GB18030 (54936) reject it and take
// only kErrorInvalidChars; UTF-7 and the stateful and ISCII code pages take no
// flag at all. Such a call also rejects a used-default pointer, so whether
// the text converted exactly is told by converting it back.
uint32_t ExactConversionFlags(uint32_t code_page);

}  // namespace rt
