#include "app/item_menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace app {
namespace {

// Each entry as one line: its text (or "-" for a separator), with "(greyed)"
// after it when it cannot be chosen.
std::vector<std::wstring> Shown(const std::vector<ItemMenuEntry>& entries) {
  std::vector<std::wstring> lines;
  for (const ItemMenuEntry& entry : entries) {
    std::wstring line = entry.command ? entry.text : L"-";
    if (entry.command && !entry.enabled) line += L" (greyed)";
    lines.push_back(line);
  }
  return lines;
}

TEST(ItemMenuTest, MovesThatWouldLeaveTheListAreGreyedAndFilesOfferTheirFolder) {
  using Lines = std::vector<std::wstring>;
  const std::wstring file = L"C:\\Tools\\a.exe";
  EXPECT_EQ(Shown(ItemMenuEntries(1, 3, file)),
            (Lines{L"上移\tAlt+Up", L"下移\tAlt+Down", L"移除項目\tDel", L"-", L"開啟檔案位置"}));
  EXPECT_EQ(Shown(ItemMenuEntries(0, 3, L"http://example.com/")),
            (Lines{L"上移\tAlt+Up (greyed)", L"下移\tAlt+Down", L"移除項目\tDel"}));
  EXPECT_EQ(Shown(ItemMenuEntries(2, 3, L"notes.txt")),
            (Lines{L"上移\tAlt+Up", L"下移\tAlt+Down (greyed)", L"移除項目\tDel"}));
  EXPECT_EQ(Shown(ItemMenuEntries(0, 1, L"\\\\server\\share\\b.lnk")),
            (Lines{L"上移\tAlt+Up (greyed)", L"下移\tAlt+Down (greyed)", L"移除項目\tDel", L"-",
                   L"開啟檔案位置"}));
}

TEST(ItemMenuTest, NamesFileOnlyForFullPathsThatAreNoWebAddress) {
  for (const wchar_t* file : {L"C:\\a.exe", L"d:\\docs\\report.tvd", L"\\\\server\\share\\x.lnk",
                              L"C:\\PROG~FBU\\http.exe"}) {
    EXPECT_TRUE(NamesFile(file)) << testing::PrintToString(std::wstring(file));
  }
  for (const wchar_t* other :
       {L"", L"C:", L"a.exe", L"docs\\a.exe", L"http://example.com/", L"ftp://host/file.txt",
        L"C:a.exe", L"\\a.exe", L"www.example.com"}) {
    EXPECT_FALSE(NamesFile(other)) << testing::PrintToString(std::wstring(other));
  }
}

TEST(ItemMenuTest, MovedPlaceStaysInTheList) {
  EXPECT_EQ(MovedPlace(1, -1, 3), 0);
  EXPECT_EQ(MovedPlace(1, 1, 3), 2);
  EXPECT_EQ(MovedPlace(0, -1, 3), std::nullopt);
  EXPECT_EQ(MovedPlace(2, 1, 3), std::nullopt);
  EXPECT_EQ(MovedPlace(-1, 1, 3), std::nullopt) << "no current item";
  EXPECT_EQ(MovedPlace(0, 1, 1), std::nullopt);
}

}  // namespace
}  // namespace app
