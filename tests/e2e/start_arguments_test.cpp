// Started from a shortcut: "tavimo.exe /run" runs the ticked items at once,
// showing how far it has come in the title; an argument Tavimo does not know
// is named in a box and the window opens as usual.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "dialogs.h"
#include "driver.h"
#include "file_association_win.h"
#include "recorder_copy.h"

namespace e2e {
namespace {

using test_files::FileAssociation;
using Arguments = std::vector<std::wstring>;

TEST(StartArguments, RunStartsTheTickedItemsCountingInTheTitleAndOthersAreListedInABox) {
  TestFolder folder;
  RecorderCopy editor(folder.File(L"editor"), 1000ms);
  const FileAssociation document_type(L".tvd", editor.Program());
  const std::wstring first = folder.File(L"first.tvd");
  const std::wstring second = folder.File(L"second.tvd");
  WriteBytes(first, "");
  WriteBytes(second, "");
  WriteBytes(folder.File(L"exefiles.dat"), StoreRecord(first, true) +
                                               StoreRecord(folder.File(L"skipped.tvd"), false) +
                                               StoreRecord(second, true));

  {
    Tavimo unknown(folder, L"/bogus \"two words\"");
    const HWND box = WaitForMessageBox(unknown);
    ASSERT_NE(box, nullptr) << "expected a box naming the unknown arguments";
    const std::wstring text = DialogText(box);
    for (const wchar_t* named : {L"/bogus", L"two words", L"/run"}) {
      EXPECT_NE(text.find(named), std::wstring::npos) << Ansi(named) << " in " << Ansi(text);
    }
    EXPECT_EQ(unknown.Dialogs().size(), 1u) << "one box for all of them";
    AnswerDialog(box, IDOK);
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(unknown.Window()) != FALSE; }))
        << "expected the window to open after the box";
    unknown.Sync();
    EXPECT_FALSE(IsIconic(unknown.Window())) << "expected no walk";
    EXPECT_EQ(WindowText(unknown.Window()), L"Tavimo");
    ASSERT_TRUE(unknown.Close());
    EXPECT_TRUE(editor.Runs().empty()) << "expected nothing started";
  }

  Tavimo tavimo(folder, L"/RUN");
  ASSERT_EQ(editor.WaitForRuns(1, false).size(), 1u) << "expected the walk to start at once";
  EXPECT_TRUE(IsIconic(tavimo.Window()));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(tavimo.Window()) == L"Tavimo 1/2"; }))
      << "got " << Ansi(WindowText(tavimo.Window()));
  ASSERT_EQ(editor.WaitForRuns(2, false).size(), 2u);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(tavimo.Window()) == L"Tavimo 2/2"; }))
      << "got " << Ansi(WindowText(tavimo.Window()));
  const std::vector<RecordedRun> runs = editor.WaitForRuns(2, true);
  ASSERT_TRUE(WaitUntil([&] { return !IsIconic(tavimo.Window()); })) << "expected the walk to end";
  EXPECT_EQ(WindowText(tavimo.Window()), L"Tavimo") << "expected the count cleared";
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].arguments, Arguments{first});
  EXPECT_EQ(runs[1].arguments, Arguments{second});
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box";
}

}  // namespace
}  // namespace e2e
