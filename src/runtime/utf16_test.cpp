#include "runtime/utf16.h"

#include <gtest/gtest.h>

namespace rt {
namespace {

using namespace std::string_literals;

TEST(Utf8FromUtf16, EveryLengthOfCharacterInBothByteOrdersAndWhatMakesNoCharacter) {
  // "a", "é", "工" and U+1F600 (a surrogate pair), then CR LF.
  const std::string little = "a\0\xE9\0\xE5\x5D\x3D\xD8\x00\xDE\r\0\n\0"s;
  const std::string big = "\0a\0\xE9\x5D\xE5\xD8\x3D\xDE\x00\0\r\0\n"s;
  const std::string expected = "a\xC3\xA9\xE5\xB7\xA5\xF0\x9F\x98\x80\r\n";
  EXPECT_EQ(Utf8FromUtf16(little, ByteOrder::kLittleEndian), expected);
  EXPECT_EQ(Utf8FromUtf16(big, ByteOrder::kBigEndian), expected);
  // A lone high surrogate before "b", a lone low one, an odd byte at the end
  // each become a byte that is never UTF-8.
  EXPECT_EQ(Utf8FromUtf16("\x3D\xD8\x62\0\x00\xDE\x63"s, ByteOrder::kLittleEndian),
            "\xFF"
            "b\xFF\xFF");
}

}  // namespace
}  // namespace rt
