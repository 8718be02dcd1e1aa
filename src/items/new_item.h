// Whether a text may join the list: the store holds at most 32768 items and
// keeps texts in the system code page, and a text must come back from it
// exactly as it went in.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace items {

// The most items the store reads back.
constexpr int kMaxItems = 32768;

enum class NewItemVerdict {
  kAdd,          // add `text`
  kListFull,     // the list already holds kMaxItems items
  kNotStorable,  // the code page cannot hold the text, nor a short form of it
};

struct NewItem {
  NewItemVerdict verdict;
  std::wstring text;  // what to add: the text itself or its short path
};

// `short_path_of` gives a file's short (8.3) path, or "" when it has none;
// it is asked only for texts that name a file and cannot be stored as they
// stand. A short path names the same file in characters the code page holds.
NewItem CheckNewItem(std::wstring text, int list_count, bool names_file,
                     const std::function<std::wstring(const std::wstring&)>& short_path_of);

// What pasted text adds: its first line, as the one-line box where an address
// is typed takes it.
std::wstring PastedLine(std::wstring_view text);

}  // namespace items
