#include "items/new_item.h"

#include <utility>

#include "runtime/ansi.h"

namespace items {

namespace {

bool Storable(const std::wstring& text) {
  std::string unused;
  return rt::ToAnsiExact(text, unused);
}

}  // namespace

NewItem CheckNewItem(std::wstring text, int list_count, bool names_file,
                     const std::function<std::wstring(const std::wstring&)>& short_path_of) {
  if (list_count >= kMaxItems) return {NewItemVerdict::kListFull, std::move(text)};
  if (Storable(text)) return {NewItemVerdict::kAdd, std::move(text)};
  if (names_file) {
    std::wstring short_path = short_path_of(text);
    if (!short_path.empty() && Storable(short_path)) {
      return {NewItemVerdict::kAdd, std::move(short_path)};
    }
  }
  return {NewItemVerdict::kNotStorable, std::move(text)};
}

std::wstring PastedLine(std::wstring_view text) {
  return std::wstring(text.substr(0, text.find_first_of(L"\r\n")));
}

}  // namespace items
