#include "launch/route_lookups.h"

#include <gtest/gtest.h>

#include <string>

#include "launch/route.h"

namespace launch {
namespace {

// FindExecutableA writes up to MAX_PATH characters.
constexpr size_t kFindExecutableBufferSize = 260;

// A result buffer as a Windows call leaves it: `written` and its NUL at the
// start, the spaces it was filled with before the call after them.
std::string BufferAfterCall(size_t size, const std::string& written) {
  std::string buffer(size, ' ');
  buffer.replace(0, written.size() + 1, written + '\0');
  return buffer;
}

TEST(ProgramRouteFileTest, TakesTheShortPathOnlyWhenOneCameBack) {
  const std::string short_path = BufferAfterCall(kShortPathBufferSize, "C:\\PROGRA~1\\TOOL.EXE");
  EXPECT_EQ(ProgramRouteFile("C:\\Program Files\\Tool.exe", 20, short_path),
            "C:\\PROGRA~1\\TOOL.EXE");
  const std::string full(kShortPathBufferSize, 'p');
  EXPECT_EQ(ProgramRouteFile("long", kShortPathBufferSize, full), full);

  const std::string nothing = BufferAfterCall(kShortPathBufferSize, "");
  EXPECT_EQ(ProgramRouteFile("C:\\Gone\\Tool.exe", 0, nothing), "C:\\Gone\\Tool.exe");
  // A result larger than the buffer is the size the short path would need.
  EXPECT_EQ(ProgramRouteFile("C:\\Deep\\Tool.exe", kShortPathBufferSize + 1, nothing),
            "C:\\Deep\\Tool.exe");

  // An address has no short form, yet reaches the shell whole.
  ASSERT_EQ(ChooseRoute(L"http://example.com/setup.exe"), LaunchRoute::kProgram);
  EXPECT_EQ(ProgramRouteFile("http://example.com/setup.exe", 0, nothing),
            "http://example.com/setup.exe");
}

TEST(FoundProgramTest, NeedsAResultCodeAbove32AndANameEndedByNul) {
  const std::string named = BufferAfterCall(kFindExecutableBufferSize, "C:\\Web\\browser.exe");
  EXPECT_EQ(FoundProgram(named, 33), "C:\\Web\\browser.exe");
  EXPECT_EQ(FoundProgram(named, 32), std::nullopt);
  EXPECT_EQ(FoundProgram(named, -1), std::nullopt);

  EXPECT_EQ(FoundProgram(std::string(kFindExecutableBufferSize, ' '), 42), std::nullopt);
  EXPECT_EQ(FoundProgram(BufferAfterCall(kFindExecutableBufferSize, ""), 42), std::nullopt);
}

TEST(SplitFolderAndFileNameTest, SplitsAtTheLastBackslash) {
  const struct {
    const wchar_t* item_text;
    const wchar_t* folder;
    const wchar_t* file_name;
  } cases[] = {
      {L"C:\\Docs\\Letters\\a.txt", L"C:\\Docs\\Letters\\", L"a.txt"},
      {L"www.example.com", L"", L"www.example.com"},
      {L"C:\\Docs\\", L"C:\\Docs\\", L""},
      {L"\\\\server\\share\\report.doc", L"\\\\server\\share\\", L"report.doc"},
      {L"C:/Docs/a.txt", L"", L"C:/Docs/a.txt"},
      // In Big5 the second byte of 許 is the byte of "\".
      {L"C:\\文件\\許功蓋.txt", L"C:\\文件\\", L"許功蓋.txt"},
  };
  for (const auto& c : cases) {
    const FolderAndFileName split = SplitFolderAndFileName(c.item_text);
    EXPECT_EQ(split.folder, c.folder) << testing::PrintToString(std::wstring(c.item_text));
    EXPECT_EQ(split.file_name, c.file_name) << testing::PrintToString(std::wstring(c.item_text));
  }
}

}  // namespace
}  // namespace launch
