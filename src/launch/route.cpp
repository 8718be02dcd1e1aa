#include "launch/route.h"

namespace launch {
namespace {

wchar_t FoldAsciiCase(wchar_t c) {
  return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// `lower_piece` is lower case already.
bool EqualsIgnoringCase(std::wstring_view text, std::wstring_view lower_piece) {
  if (text.size() != lower_piece.size()) return false;
  for (size_t i = 0; i < text.size(); ++i) {
    if (FoldAsciiCase(text[i]) != lower_piece[i]) return false;
  }
  return true;
}

bool StartsWith(std::wstring_view text, std::wstring_view lower_piece) {
  return EqualsIgnoringCase(text.substr(0, lower_piece.size()), lower_piece);
}

bool EndsWith(std::wstring_view text, std::wstring_view lower_piece) {
  if (text.size() < lower_piece.size()) return false;
  return EqualsIgnoringCase(text.substr(text.size() - lower_piece.size()), lower_piece);
}

}  // namespace

LaunchRoute ChooseRoute(std::wstring_view item_text) {
  if (EndsWith(item_text, L"exe")) return LaunchRoute::kProgram;
  if (StartsWith(item_text, L"http") || StartsWith(item_text, L"ftp")) return LaunchRoute::kWeb;
  if (EndsWith(item_text, L"lnk") || EndsWith(item_text, L"url")) return LaunchRoute::kShortcut;
  return LaunchRoute::kAssociation;
}

}  // namespace launch
