#include "items/new_item.h"

#include <gtest/gtest.h>

namespace items {
namespace {

// On the native build the system code page is stood in for by UTF-8, which
// cannot hold a lone surrogate: such a text stands for one the code page
// cannot hold.
const std::wstring kUnstorable = std::wstring(L"C:\\docs\\") + wchar_t(0xD800) + L".txt";

std::wstring NoShortPath(const std::wstring&) { return L""; }

TEST(CheckNewItem, StorableTextIsAddedUnchanged) {
  int asked = 0;
  const NewItem item = CheckNewItem(L"C:\\Tools\\a b.exe", 0, true, [&](const std::wstring&) {
    ++asked;
    return std::wstring(L"C:\\TOOLS\\AB~1.EXE");
  });
  EXPECT_EQ(item.verdict, NewItemVerdict::kAdd);
  EXPECT_EQ(item.text, L"C:\\Tools\\a b.exe");
  EXPECT_EQ(asked, 0) << "the short path is only for texts that cannot be stored";
}

TEST(CheckNewItem, UnstorableFileIsAddedByItsShortPath) {
  const NewItem item = CheckNewItem(kUnstorable, 5, true, [](const std::wstring& path) {
    EXPECT_EQ(path, kUnstorable);
    return std::wstring(L"C:\\DOCS\\ABC~1.TXT");
  });
  EXPECT_EQ(item.verdict, NewItemVerdict::kAdd);
  EXPECT_EQ(item.text, L"C:\\DOCS\\ABC~1.TXT");
}

TEST(CheckNewItem, RefusesWhatNoStorableFormNames) {
  EXPECT_EQ(CheckNewItem(kUnstorable, 0, true, NoShortPath).verdict, NewItemVerdict::kNotStorable);
  // A short path that is itself unstorable does not help.
  EXPECT_EQ(
      CheckNewItem(kUnstorable, 0, true, [](const std::wstring& path) { return path; }).verdict,
      NewItemVerdict::kNotStorable);
  // A typed address names no file: it has no short form to fall back on.
  const NewItem typed = CheckNewItem(kUnstorable, 0, false, [](const std::wstring&) {
    ADD_FAILURE() << "a typed address has no short path";
    return std::wstring(L"X");
  });
  EXPECT_EQ(typed.verdict, NewItemVerdict::kNotStorable);
  EXPECT_EQ(typed.text, kUnstorable) << "the box names the text as given";
}

TEST(CheckNewItem, ListHoldsAtMostWhatTheStoreReadsBack) {
  EXPECT_EQ(CheckNewItem(L"a", kMaxItems - 1, false, NoShortPath).verdict, NewItemVerdict::kAdd);
  EXPECT_EQ(CheckNewItem(L"a", kMaxItems, false, NoShortPath).verdict, NewItemVerdict::kListFull);
}

TEST(PastedLine, IsTheTextUpToItsFirstLineEnd) {
  EXPECT_EQ(PastedLine(L"http://example.com/"), L"http://example.com/");
  EXPECT_EQ(PastedLine(L"http://example.com/\r\n"), L"http://example.com/");
  EXPECT_EQ(PastedLine(L" a b \nsecond\r\nthird"), L" a b ");
  EXPECT_EQ(PastedLine(L"first\rsecond"), L"first");
  EXPECT_EQ(PastedLine(L"\r\nsecond"), L"");
  EXPECT_EQ(PastedLine(L""), L"");
}

}  // namespace
}  // namespace items
