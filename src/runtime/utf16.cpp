#include "runtime/utf16.h"

namespace rt {

namespace {

constexpr char kNeverUtf8 = '\xFF';

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

void AppendAsUtf8(char32_t c, std::string& out) {
  if (c < 0x80) {
    out += static_cast<char>(c);
    return;
  }
  // The lead byte's marker and how many continuation bytes follow it.
  const int continuations = c < 0x800 ? 1 : c < 0x10000 ? 2 : 3;
  static constexpr unsigned char kLeadMarks[] = {0, 0xC0, 0xE0, 0xF0};
  out += static_cast<char>(kLeadMarks[continuations] | (c >> (6 * continuations)));
  for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6) {
    out += static_cast<char>(0x80 | ((c >> shift) & 0x3F));
  }
}

}  // namespace

std::string Utf8FromUtf16(std::string_view bytes, ByteOrder order) {
  const auto unit_at = [&](size_t i) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    return static_cast<char32_t>(order == ByteOrder::kBigEndian ? first << 8 | second
                                                                : second << 8 | first);
  };
  std::string out;
  out.reserve(bytes.size());
  size_t i = 0;
  for (; i + 1 < bytes.size(); i += 2) {
    const char32_t unit = unit_at(i);
    if (IsHighSurrogate(unit) && i + 3 < bytes.size() && IsLowSurrogate(unit_at(i + 2))) {
      AppendAsUtf8(0x10000 + ((unit - 0xD800) << 10) + (unit_at(i + 2) - 0xDC00), out);
      i += 2;
    } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
      out += kNeverUtf8;
    } else {
      AppendAsUtf8(unit, out);
    }
  }
  if (i < bytes.size()) out += kNeverUtf8;
  return out;
}

}  // namespace rt
