// The native (Linux) stand-in for the system code page: UTF-8. The exact
// conversions are strict, as the Windows ones are, so that the unit tests
// meet the same failures the program meets on Windows: a lone surrogate
// cannot be written, an invalid byte sequence cannot be read.
#include <cstddef>

#include "runtime/ansi.h"

namespace rt {

namespace {

constexpr char kDefaultCharacter = '?';
constexpr char32_t kReplacementCharacter = 0xFFFD;
constexpr char32_t kLastCodePoint = 0x10FFFF;

bool IsSurrogate(char32_t c) { return c >= 0xD800 && c <= 0xDFFF; }

// Takes the code point at text[i] and moves i past it. Where wchar_t is 16
// bits wide a surrogate pair makes one code point; a lone surrogate comes
// back as itself, and no UTF-8 sequence can hold it.
char32_t TakeCodePoint(std::wstring_view text, size_t& i) {
  const char32_t c = static_cast<char32_t>(text[i++]);
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0xD800 && c <= 0xDBFF && i < text.size()) {
      const char32_t low = static_cast<char16_t>(text[i]);
      if (low >= 0xDC00 && low <= 0xDFFF) {
        ++i;
        return 0x10000 + ((c - 0xD800) << 10) + (low - 0xDC00);
      }
    }
  }
  return c;
}

bool AppendUtf8(char32_t c, std::string& out) {
  if (c > kLastCodePoint || IsSurrogate(c)) return false;
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
  return true;
}

// Takes the UTF-8 sequence at bytes[i] into c and moves i past it. An invalid
// sequence (bad lead or continuation byte, cut short, overlong, a surrogate,
// beyond U+10FFFF) gives false and moves i past its first byte only, so that
// reading resumes at the next byte.
bool TakeUtf8(std::string_view bytes, size_t& i, char32_t& c) {
  const unsigned char lead = static_cast<unsigned char>(bytes[i]);
  size_t length = 1;
  char32_t smallest = 0;
  if (lead < 0x80) {
    c = lead;
  } else if ((lead & 0xE0) == 0xC0) {
    length = 2;
    c = lead & 0x1F;
    smallest = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3;
    c = lead & 0x0F;
    smallest = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4;
    c = lead & 0x07;
    smallest = 0x10000;
  } else {
    ++i;
    return false;
  }
  if (bytes.size() - i < length) {
    ++i;
    return false;
  }
  for (size_t k = 1; k < length; ++k) {
    const unsigned char next = static_cast<unsigned char>(bytes[i + k]);
    if ((next & 0xC0) != 0x80) {
      ++i;
      return false;
    }
    c = (c << 6) | (next & 0x3F);
  }
  if (c < smallest || c > kLastCodePoint || IsSurrogate(c)) {
    ++i;
    return false;
  }
  i += length;
  return true;
}

void AppendWide(char32_t c, std::wstring& out) {
  if constexpr (sizeof(wchar_t) == 2) {
    if (c >= 0x10000) {
      out += static_cast<wchar_t>(0xD800 + ((c - 0x10000) >> 10));
      out += static_cast<wchar_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
      return;
    }
  }
  out += static_cast<wchar_t>(c);
}

}  // namespace

std::string ToAnsi(std::wstring_view text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (!AppendUtf8(TakeCodePoint(text, i), out)) out += kDefaultCharacter;
  }
  return out;
}

bool ToAnsiExact(std::wstring_view text, std::string& out) {
  out.clear();
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    if (!AppendUtf8(TakeCodePoint(text, i), out)) return false;
  }
  return true;
}

std::wstring FromAnsi(std::string_view bytes) {
  std::wstring out;
  out.reserve(bytes.size());
  char32_t c = 0;
  for (size_t i = 0; i < bytes.size();) {
    AppendWide(TakeUtf8(bytes, i, c) ? c : kReplacementCharacter, out);
  }
  return out;
}

bool FromAnsiExact(std::string_view bytes, std::wstring& out) {
  out.clear();
  out.reserve(bytes.size());
  char32_t c = 0;
  for (size_t i = 0; i < bytes.size();) {
    if (!TakeUtf8(bytes, i, c)) return false;
    AppendWide(c, out);
  }
  return true;
}

// The stand-in code page is UTF-8 itself.
bool FromUtf8Exact(std::string_view bytes, std::wstring& out) { return FromAnsiExact(bytes, out); }

}  // namespace rt
