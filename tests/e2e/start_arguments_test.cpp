// Started from a shortcut: "tavimo.exe /run" runs the ticked items at once,
// showing how far it has come in the title; an argument Tavimo does not know
// is named in a box and the window opens as usual. A start with /run in a
// folder whose window is open hands the run over to that window, which runs
// once its boxes are answered.
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

TEST(StartArguments, OthersAreListedInABoxAndRunRunsTheTickedItemsCountingInTheTitle) {
  TestFolder folder;
  RecorderCopy editor(folder.File(L"editor"), 700ms);
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
    EXPECT_TRUE(editor.Runs().empty()) << "expected nothing started";

    // A second start with /run hands its run over to the open window and
    // ends; asked while its input box is up, the window runs once the box is
    // gone.
    const HWND input_box = PressAddAddress(unknown);
    ASSERT_NE(input_box, nullptr) << "expected the input box";
    Tavimo handing_over(folder.File(L"tavimo.exe"), L"/run", false);
    EXPECT_TRUE(handing_over.WaitForExit(10000ms)) << "expected the second start to end";
    EXPECT_EQ(handing_over.ExitCode(), 0u);
    Sleep(static_cast<DWORD>(Patient(300ms).count()));
    EXPECT_TRUE(editor.Runs().empty()) << "expected no run while the box is up";
    AnswerDialog(input_box, IDCANCEL);
    EXPECT_EQ(editor.WaitForRuns(2, true).size(), 2u) << "expected the walk once the box was gone";
    ASSERT_TRUE(WaitUntil([&] { return !IsIconic(unknown.Window()); }));
    ASSERT_TRUE(unknown.Close());
  }

  Tavimo tavimo(folder, L"/RUN");
  ASSERT_EQ(editor.WaitForRuns(3, false).size(), 3u) << "expected the walk to start at once";
  EXPECT_TRUE(IsIconic(tavimo.Window()));
  EXPECT_TRUE(WaitUntil([&] { return WindowText(tavimo.Window()) == L"Tavimo 1/2"; }))
      << "got " << Ansi(WindowText(tavimo.Window()));
  ASSERT_EQ(editor.WaitForRuns(4, false).size(), 4u);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(tavimo.Window()) == L"Tavimo 2/2"; }))
      << "got " << Ansi(WindowText(tavimo.Window()));
  const std::vector<RecordedRun> runs = editor.WaitForRuns(4, true);
  ASSERT_TRUE(WaitUntil([&] { return !IsIconic(tavimo.Window()); })) << "expected the walk to end";
  EXPECT_EQ(WindowText(tavimo.Window()), L"Tavimo") << "expected the count cleared";
  ASSERT_EQ(runs.size(), 4u) << "two walks of two items";
  for (size_t walk = 0; walk < 2; ++walk) {
    EXPECT_EQ(runs[2 * walk].arguments, Arguments{first}) << "walk " << walk;
    EXPECT_EQ(runs[2 * walk + 1].arguments, Arguments{second}) << "walk " << walk;
  }
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box";
}

}  // namespace
}  // namespace e2e
