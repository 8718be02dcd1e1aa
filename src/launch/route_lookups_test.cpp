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

// Short paths as the file system would give them; "" for a file with none.
std::wstring FakeShortPath(const std::wstring& path) {
  if (path.rfind(L"C:\\Program Files\\", 0) == 0)
    return L"C:\\PROGRA~1\\" + path.substr(17, 3) + L"~1.EXE";
  if (path.rfind(L"C:\\Deep\\", 0) == 0) return L"C:\\DEEP~1\\FILE~1.EXE";
  if (path.rfind(L"C:\\Odd", 0) == 0) return L"C:\\ODD~1\\FILE~1.EXE";
  return L"";
}

// A character no code page holds: the native stand-in, UTF-8, cannot hold a
// lone surrogate.
const std::wstring kUnheld(1, static_cast<wchar_t>(0xD800));

TEST(PathForAnsiCallTest, ThePathItselfElseItsShortPathWhereThePathCannotGo) {
  EXPECT_EQ(PathForAnsiCall(L"C:\\Program Files\\Tool.exe", FakeShortPath),
            "C:\\Program Files\\Tool.exe");
  // Within the ANSI limit to the byte, and one past it.
  const std::wstring longest = L"C:\\Deep\\" + std::wstring(kMaxAnsiPath - 8, L'd');
  EXPECT_EQ(PathForAnsiCall(longest, FakeShortPath), std::string(longest.begin(), longest.end()));
  EXPECT_EQ(PathForAnsiCall(longest + L"d", FakeShortPath), "C:\\DEEP~1\\FILE~1.EXE");
  EXPECT_EQ(PathForAnsiCall(L"C:\\Odd" + kUnheld + L"\\a.txt", FakeShortPath),
            "C:\\ODD~1\\FILE~1.EXE");
  // No short path to fall back on: the call gets what the code page makes of
  // it, and fails saying why.
  const std::wstring unreachable = L"D:\\" + std::wstring(kMaxAnsiPath, L'x');
  EXPECT_EQ(PathForAnsiCall(unreachable, FakeShortPath),
            std::string(unreachable.begin(), unreachable.end()));
}

TEST(ProgramRouteFileTest, TakesTheShortPathWhenThereIsOneThatFits) {
  EXPECT_EQ(ProgramRouteFile(L"C:\\Program Files\\Tool.exe", FakeShortPath),
            "C:\\PROGRA~1\\Too~1.EXE");
  EXPECT_EQ(ProgramRouteFile(L"C:\\Gone\\Tool.exe", FakeShortPath), "C:\\Gone\\Tool.exe");
  const std::wstring item = L"C:\\Program Files\\" + std::wstring(200, L'p');
  EXPECT_EQ(ProgramRouteFile(item,
                             [](const std::wstring&) {
                               return L"C:\\" + std::wstring(kShortPathBufferSize - 3, L's');
                             }),
            std::string(item.begin(), item.end()))
      << "a short path that does not fit the buffer is not taken";

  // An address has no short form, yet reaches the shell whole.
  ASSERT_EQ(ChooseRoute(L"http://example.com/setup.exe"), LaunchRoute::kProgram);
  EXPECT_EQ(ProgramRouteFile(L"http://example.com/setup.exe", FakeShortPath),
            "http://example.com/setup.exe");
}

TEST(ShellStartErrorTest, TheLastErrorElseWhatTheResultCodeStandsFor) {
  EXPECT_EQ(ShellStartError(2, 42), 2u) << "the shell's own last error comes first";
  EXPECT_EQ(ShellStartError(0, 2), 2u);      // file not found
  EXPECT_EQ(ShellStartError(0, 5), 5u);      // access denied
  EXPECT_EQ(ShellStartError(0, 31), 1155u);  // no association
  EXPECT_EQ(ShellStartError(0, 26), 32u);    // sharing violation
  EXPECT_EQ(ShellStartError(0, 0), 8u);      // out of memory
  EXPECT_EQ(ShellStartError(0, 33), 31u) << "a code the shell never gives is a general failure";
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
