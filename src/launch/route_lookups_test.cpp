#include "launch/route_lookups.h"

#include <gtest/gtest.h>

#include <string>

namespace launch {
namespace {

// FindExecutableW writes up to MAX_PATH characters.
constexpr size_t kFindExecutableBufferSize = 260;

// A result buffer as a Windows call leaves it: `written` and its NUL at the
// start, the spaces it was filled with before the call after them.
std::wstring BufferAfterCall(size_t size, const std::wstring& written) {
  std::wstring buffer(size, L' ');
  buffer.replace(0, written.size() + 1, written + L'\0');
  return buffer;
}

TEST(ShellStartErrorTest, TheLastErrorElseWhatTheResultCodeStandsFor) {
  EXPECT_EQ(ShellStartError(2, 42), 2u) << "the shell's own last error comes first";
  EXPECT_EQ(ShellStartError(0, 2), 2u);      // file not found
  EXPECT_EQ(ShellStartError(0, 5), 5u);      // access denied
  EXPECT_EQ(ShellStartError(0, 31), 1155u);  // no association
  EXPECT_EQ(ShellStartError(193, 31), 1155u) << "Wine's last error for no association";
  EXPECT_EQ(ShellStartError(0, 27), 1155u);  // association incomplete
  EXPECT_EQ(ShellStartError(0, 26), 32u);    // sharing violation
  EXPECT_EQ(ShellStartError(0, 0), 8u);      // out of memory
  EXPECT_EQ(ShellStartError(0, 33), 31u) << "a code the shell never gives is a general failure";
}

TEST(FoundProgramTest, NeedsAResultCodeAbove32AndANameEndedByNul) {
  const std::wstring named =
      BufferAfterCall(kFindExecutableBufferSize, L"C:\\Program Files\\網頁\\browser.exe");
  EXPECT_EQ(FoundProgram(named, 33), L"C:\\Program Files\\網頁\\browser.exe");
  EXPECT_EQ(FoundProgram(named, 32), std::nullopt);
  EXPECT_EQ(FoundProgram(named, -1), std::nullopt);

  EXPECT_EQ(FoundProgram(std::wstring(kFindExecutableBufferSize, L' '), 42), std::nullopt);
  EXPECT_EQ(FoundProgram(BufferAfterCall(kFindExecutableBufferSize, L""), 42), std::nullopt);
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
