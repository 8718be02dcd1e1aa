#include "launch/route.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace launch {

void PrintTo(LaunchRoute route, std::ostream* out) {
  static const char* const kNames[] = {"program", "web", "shortcut", "association"};
  *out << kNames[static_cast<int>(route)];
}

namespace {

TEST(ChooseRouteTest, FirstTestThatHoldsChoosesTheRoute) {
  const struct {
    const wchar_t* item_text;
    LaunchRoute expected;
  } cases[] = {
      {L"C:\\Apps\\Tool.EXE", LaunchRoute::kProgram},
      {L"C:\\Apps\\Setupexe", LaunchRoute::kProgram},
      {L"http://host/get.exe", LaunchRoute::kProgram},  // "exe" is tested first
      {L"HTTPS://example.com/", LaunchRoute::kWeb},
      {L"ftp://files.example.com/a.zip", LaunchRoute::kWeb},
      {L"FtP", LaunchRoute::kWeb},
      {L"http://example.com/page.url", LaunchRoute::kWeb},  // before the shortcut test
      {L"C:\\Links\\Editor.lnk", LaunchRoute::kShortcut},
      {L"C:\\Favorites\\Site.URL", LaunchRoute::kShortcut},
      {L"C:\\Docs\\letter.txt", LaunchRoute::kAssociation},
      {L"www.example.com", LaunchRoute::kAssociation},
      {L"C:\\Apps\\tool.exe ", LaunchRoute::kAssociation},
      {L"C:\\資料\\說明.doc", LaunchRoute::kAssociation},
      {L"ＥＸＥ", LaunchRoute::kAssociation},  // full-width, not the ASCII letters
      // A text shorter than the piece a test looks at fails that test.
      {L"", LaunchRoute::kAssociation},
      {L"xe", LaunchRoute::kAssociation},
      {L"htt", LaunchRoute::kAssociation},
      {L"ft", LaunchRoute::kAssociation},
      {L"nk", LaunchRoute::kAssociation},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ChooseRoute(c.item_text), c.expected)
        << "item " << testing::PrintToString(std::wstring(c.item_text));
  }
}

}  // namespace
}  // namespace launch
