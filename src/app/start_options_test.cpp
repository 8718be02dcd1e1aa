#include "app/start_options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace app {
namespace {

using Words = std::vector<std::wstring>;

TEST(StartOptionsTest, RunInAnyLetterCaseAndEveryOtherArgumentAsGiven) {
  const struct {
    const wchar_t* command_line;
    bool run;
    Words unknown;
  } cases[] = {
      {L"\"C:\\Tools\\tavimo.exe\"", false, {}},
      {L"", false, {}},
      {L"\"C:\\Tools\\tavimo.exe\" /run", true, {}},
      {L"tavimo.exe /RUN", true, {}},
      {L"tavimo.exe  /Run  ", true, {}},
      // The program's own name is never an argument, whatever it reads.
      {L"/run", false, {}},
      {L"tavimo.exe -run /runs \"/run now\" /run", true, {L"-run", L"/runs", L"/run now"}},
      // An empty argument asks for nothing.
      {L"tavimo.exe \"\" /run", true, {}},
  };
  for (const auto& c : cases) {
    const StartOptions options = ParseStartOptions(c.command_line);
    const std::string line = testing::PrintToString(std::wstring(c.command_line));
    EXPECT_EQ(options.run_ticked_items, c.run) << line;
    EXPECT_EQ(options.unknown, c.unknown) << line;
  }
}

}  // namespace
}  // namespace app
