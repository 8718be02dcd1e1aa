// Text that editors save in UTF-16 behind a byte-order mark (Notepad's
// "Unicode", PowerShell's default), turned into UTF-8 so that the program
// reads it as it reads a UTF-8 file.
#pragma once

#include <string>
#include <string_view>

namespace rt {

enum class ByteOrder { kLittleEndian, kBigEndian };

// The UTF-16 code units in `bytes`, in `order`, as UTF-8. A unit that makes
// no character (a lone surrogate, an odd byte at the end) becomes the byte
// 0xFF, which is never valid UTF-8: reading the result stops where it stood,
// and every line keeps its place.
std::string Utf8FromUtf16(std::string_view bytes, ByteOrder order);

}  // namespace rt
