// Conversion between the program's wide strings and the system ANSI code
// page, in one place. Windows calls made through their ANSI entry points and
// the files the program writes use these.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// Converts to the system code page. Characters the code page cannot hold
// become the default character, as Windows does.
std::string ToAnsi(std::wstring_view text);

// Converts to the system code page only if every character maps exactly (no
// best-fit substitution, no default character); false otherwise.
bool ToAnsiExact(std::wstring_view text, std::string& out);

// Converts from the system code page. Invalid bytes become U+FFFD or the
// code page's default, as Windows does.
std::wstring FromAnsi(std::string_view bytes);

// Converts from the system code page only if every byte sequence is valid
// in it; false otherwise.
bool FromAnsiExact(std::string_view bytes, std::wstring& out);

// Converts from UTF-8, which editors write where the code page falls short,
// only if every byte sequence is valid UTF-8; false otherwise.
bool FromUtf8Exact(std::string_view bytes, std::wstring& out);

}  // namespace rt
