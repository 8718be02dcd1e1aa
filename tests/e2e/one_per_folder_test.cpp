// One Tavimo per program folder: a second start in the folder, by whatever
// path, brings the open window forward and ends without touching the store;
// other folders keep copies of their own.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver.h"
#include "write_lock.h"

namespace e2e {
namespace {

constexpr wchar_t kStore[] = L"exefiles.dat";

std::wstring ShortPath(const std::wstring& path) {
  wchar_t short_path[MAX_PATH] = {};
  GetShortPathNameW(path.c_str(), short_path, MAX_PATH);
  return short_path;
}

TEST(OnePerFolder, SecondStartByAnyPathBringsTheWindowForwardAndEndsLeavingTheStore) {
  TestFolder folder;
  const std::string stored = StoreRecord(L"C:\\Tools\\a.exe", true);
  WriteBytes(folder.File(kStore), stored);
  CopyFileW(folder.File(L"tavimo.exe").c_str(), folder.File(L"renamed.exe").c_str(), FALSE);
  Tavimo open(folder);
  // A copy in another folder opens a window of its own beside it.
  TestFolder other_folder;
  Tavimo other(other_folder);
  EXPECT_TRUE(IsWindowVisible(other.Window()));
  std::wstring upper_case = folder.File(L"tavimo.exe");
  CharUpperBuffW(upper_case.data(), static_cast<DWORD>(upper_case.size()));

  for (const std::wstring& program : {folder.File(L"tavimo.exe"), folder.File(L"renamed.exe"),
                                      ShortPath(folder.File(L"tavimo.exe")), upper_case}) {
    SetForegroundWindow(other.Window());
    open.Show(SW_MINIMIZE);
    ASSERT_TRUE(IsIconic(open.Window()));
    {
      // A start that read the store would warn that it cannot, and stay.
      const ExclusiveFileHold held(folder.File(kStore));
      Tavimo second(program, L"", false);
      EXPECT_TRUE(second.WaitForExit(10000ms)) << "expected the start to end: " << Ansi(program);
      EXPECT_EQ(second.ExitCode(), 0u) << Ansi(program);
    }
    EXPECT_TRUE(WaitUntil([&] { return !IsIconic(open.Window()); }))
        << "expected the open window restored by " << Ansi(program);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == open.Window(); }))
        << "expected the open window in front after " << Ansi(program);
  }
  EXPECT_EQ(ReadBytes(folder.File(kStore)), stored);
  EXPECT_TRUE(other.Close());
  EXPECT_TRUE(open.Close());
}

}  // namespace
}  // namespace e2e
