// "順序執行": the selected items started in list order by their routes, with
// real processes (copies of the recorder as the programs, the browser and a
// document's editor), and the window kept sound while they run.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "dialogs.h"
#include "driver.h"
#include "file_association_win.h"
#include "recorder_copy.h"
#include "shortcut_file.h"

namespace e2e {
namespace {

using test_files::AssociatedProgram;
using test_files::FileAssociation;

constexpr wchar_t kRunButton[] = L"順序執行";
constexpr wchar_t kRemoveButton[] = L"移除項目";
constexpr wchar_t kProbeFile[] = L"temphtm.HTM";

using Arguments = std::vector<std::wstring>;

struct Item {
  std::wstring text;
  bool selected;
};

std::string StoreBytes(const std::vector<Item>& items) {
  std::string bytes;
  for (const Item& item : items) {
    bytes += StoreRecord(item.text, item.selected);
  }
  return bytes;
}

std::vector<std::wstring> Texts(const std::vector<Item>& items) {
  std::vector<std::wstring> texts;
  for (const Item& item : items) texts.push_back(item.text);
  return texts;
}

std::vector<bool> Flags(const std::vector<Item>& items) {
  std::vector<bool> flags;
  for (const Item& item : items) flags.push_back(item.selected);
  return flags;
}

// An empty file at the path, to be opened as a document.
std::wstring Document(const std::wstring& path) {
  WriteBytes(path, "");
  return path;
}

// The walk minimises the window and restores it at its end.
bool WaitForWalkToEnd(const Tavimo& tavimo) {
  return WaitUntil([&] { return !IsIconic(tavimo.Window()); });
}

// A warning box with one OK button: its text, after checking the buttons.
std::wstring WarningText(HWND box) {
  int buttons = 0;
  for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t name[16] = {};
    GetClassNameW(child, name, 16);
    if (std::wstring(name) == L"Button" && IsWindowVisible(child)) ++buttons;
  }
  EXPECT_EQ(buttons, 1) << "expected OK alone";
  EXPECT_NE(GetDlgItem(box, IDOK), nullptr);
  return DialogText(box);
}

TEST(Launch, SelectedItemsRunInListOrderEachWaitedForBeforeTheNext) {
  TestFolder folder;
  // A folder name with a space, as under "Program Files".
  RecorderCopy helper(folder.File(L"Helper Programs"), 300ms);
  const FileAssociation browser(L".htm", helper.Program());
  const FileAssociation document_type(L".tvd", helper.Program());
  CreateDirectoryW(folder.File(L"My Documents").c_str(), nullptr);
  const std::wstring document = Document(folder.File(L"My Documents\\first note.tvd"));
  const std::wstring address = L"http://example.com/find?q=\"two words\"&in=a b";
  // A backslash before the closing quote must stay one backslash.
  const std::wstring ftp_address = L"FTP://example.com/some folder\\";
  const std::vector<Item> items = {{address, true},
                                   {helper.Program(), false},
                                   {document, true},
                                   {folder.File(L"skipped.tvd"), false},
                                   {ftp_address, true}};
  WriteBytes(folder.File(L"exefiles.dat"), StoreBytes(items));
  Tavimo tavimo(folder);

  tavimo.Press(kRunButton);
  ASSERT_EQ(helper.WaitForRuns(1, false).size(), 1u) << "expected the first item to start";
  EXPECT_TRUE(IsIconic(tavimo.Window())) << "expected the window minimised while an item runs";
  helper.WaitForRuns(3, true);
  EXPECT_TRUE(WaitForWalkToEnd(tavimo)) << "expected the window restored after the walk";

  const std::vector<RecordedRun> runs = helper.Runs();
  const std::vector<Arguments> expected = {{address}, {document}, {ftp_address}};
  ASSERT_EQ(runs.size(), expected.size()) << "expected the selected items alone to run";
  for (size_t i = 0; i < runs.size(); ++i) {
    EXPECT_EQ(runs[i].arguments, expected[i]) << "run " << i;
    EXPECT_EQ(runs[i].show_command, SW_SHOWNORMAL) << "run " << i;
    ASSERT_TRUE(runs[i].ended) << "run " << i << " did not end";
    if (i > 0) {
      EXPECT_GT(runs[i].started, *runs[i - 1].ended)
          << "run " << i << " started before run " << i - 1 << " ended";
    }
  }
  EXPECT_FALSE(Exists(folder.File(kProbeFile)));
  EXPECT_EQ(tavimo.Items(), Texts(items));
  EXPECT_EQ(tavimo.Flags(), Flags(items));
  EXPECT_TRUE(tavimo.Dialogs().empty());
}

TEST(Launch, ProgramsAndShortcutsStartInANormalWindowAndAreNotWaitedFor) {
  TestFolder folder;
  // Lives well beyond the walk, which must not wait for it.
  RecorderCopy program(folder.File(L"program"), 20s);
  const std::wstring shortcut = folder.File(L"program shortcut.lnk");
  CreateShortcut(shortcut, program.Program(), L"--from-shortcut");
  const std::vector<Item> items = {{program.Program(), true}, {shortcut, true}};
  WriteBytes(folder.File(L"exefiles.dat"), StoreBytes(items));
  Tavimo tavimo(folder);

  tavimo.Press(kRunButton);
  program.WaitForRuns(2, false);
  EXPECT_TRUE(WaitForWalkToEnd(tavimo)) << "expected the walk to end while both still run";

  std::vector<RecordedRun> runs = program.Runs();
  ASSERT_EQ(runs.size(), 2u);
  // Not waited for, the two may write down their starts in either order.
  if (!runs[0].arguments.empty()) std::swap(runs[0], runs[1]);
  EXPECT_EQ(runs[0].arguments, Arguments{}) << "the program started by its own path";
  EXPECT_EQ(runs[1].arguments, Arguments{L"--from-shortcut"}) << "the shortcut's target";
  for (const RecordedRun& run : runs) {
    EXPECT_FALSE(run.ended) << "expected the walk not to wait for process " << run.process_id;
    EXPECT_EQ(run.show_command, SW_SHOWNORMAL) << "process " << run.process_id;
  }
  EXPECT_EQ(tavimo.Items(), Texts(items));
  EXPECT_EQ(tavimo.Flags(), Flags(items));
}

TEST(Launch, MissingBrowserAndUnknownTypeAreReportedAndTheWalkGoesOn) {
  TestFolder folder;
  RecorderCopy editor(folder.File(L"editor"), 0ms);
  const FileAssociation document_type(L".tvd", editor.Program());
  const std::wstring page = Document(folder.File(L"page.htm"));
  ASSERT_EQ(AssociatedProgram(page), L"") << "expected no browser in the test prefix";
  const std::wstring unknown = Document(folder.File(L"data.unknowntype"));
  const std::wstring document = Document(folder.File(L"note.tvd"));
  const std::vector<Item> items = {
      {L"http://example.com/", true}, {unknown, true}, {document, true}};
  WriteBytes(folder.File(L"exefiles.dat"), StoreBytes(items));
  Tavimo tavimo(folder);

  tavimo.Press(kRunButton);
  const HWND no_browser = WaitForBoxTitled(tavimo, L"Browser Not Found");
  ASSERT_NE(no_browser, nullptr);
  EXPECT_EQ(WarningText(no_browser), L"Could not find associated Browser");
  AnswerDialog(no_browser, IDOK);

  const HWND no_program = WaitForBoxTitled(tavimo, L"Program Not Found");
  ASSERT_NE(no_program, nullptr);
  EXPECT_EQ(WarningText(no_program), L"Could not find associated program\r\n" + unknown);
  EXPECT_TRUE(editor.Runs().empty()) << "expected nothing started before the document";
  AnswerDialog(no_program, IDOK);

  const std::vector<RecordedRun> runs = editor.WaitForRuns(1, true);
  EXPECT_TRUE(WaitForWalkToEnd(tavimo));
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].arguments, Arguments{document});
  EXPECT_FALSE(Exists(folder.File(kProbeFile)));
  EXPECT_EQ(tavimo.Items(), Texts(items));
  EXPECT_EQ(tavimo.Flags(), Flags(items));
}

TEST(Launch, ProgramOrShortcutThatCannotStartIsReportedOnceAndTheWalkGoesOn) {
  TestFolder folder;
  RecorderCopy program(folder.File(L"program"), 0ms);
  const std::wstring missing_program = folder.File(L"gone.exe");
  const std::wstring missing_shortcut = folder.File(L"gone.lnk");
  const std::vector<Item> items = {
      {missing_program, true}, {missing_shortcut, true}, {program.Program(), true}};
  WriteBytes(folder.File(L"exefiles.dat"), StoreBytes(items));
  Tavimo tavimo(folder);

  tavimo.Press(kRunButton);
  for (const std::wstring& missing : {missing_program, missing_shortcut}) {
    const HWND box = WaitForMessageBox(tavimo);
    ASSERT_NE(box, nullptr) << "expected a box for " << Ansi(missing);
    EXPECT_EQ(tavimo.Dialogs().size(), 1u) << "one box, the program's own";
    const std::wstring text = WarningText(box);
    EXPECT_EQ(text.rfind(L"無法啟動 " + missing + L"\r\n", 0), 0u) << Ansi(text);
    EXPECT_GT(text.size(), missing.size() + 6) << "expected the reason after the item";
    EXPECT_TRUE(program.Runs().empty()) << "expected nothing started before " << Ansi(missing);
    AnswerDialog(box, IDOK);
    WaitUntilNoDialog(tavimo);
  }
  EXPECT_EQ(program.WaitForRuns(1, false).size(), 1u) << "expected the walk to go on";
  EXPECT_TRUE(WaitForWalkToEnd(tavimo));
  EXPECT_TRUE(tavimo.Dialogs().empty());
}

// An item kept by its short path, because its name is outside the code page,
// is looked up and started by its long name: the short name keeps only three
// letters of the extension. The browser is looked up by the probe file beside
// the program, in a folder whose name is outside the code page too.
TEST(Launch, DocumentsAndTheBrowserAreLookedUpByTheirLongNames) {
  // Devanagari: no code page holds it; Polish letters that code page 1252
  // would turn into look-alikes.
  TestFolder folder(L"tavimo-e2e-\u0915\u093F-");
  TestFolder elsewhere;
  RecorderCopy helper(elsewhere.File(L"helper"), 0ms);
  const FileAssociation browser(L".htm", helper.Program());
  const FileAssociation note_type(L".tavimonote", helper.Program());
  const std::wstring document =
      Document(elsewhere.File(L"\u0142\u00f3d\u017a \u0915\u093F notes.tavimonote"));
  wchar_t short_path[MAX_PATH] = {};
  ASSERT_NE(GetShortPathNameW(document.c_str(), short_path, MAX_PATH), 0u);
  ASSERT_NE(short_path, document) << "expected a short path";
  const std::vector<Item> items = {{short_path, true}, {L"http://example.com/", true}};
  WriteBytes(folder.File(L"exefiles.dat"), StoreBytes(items));
  Tavimo tavimo(folder);
  ASSERT_EQ(tavimo.Items(), Texts(items));

  tavimo.Press(kRunButton);
  const std::vector<RecordedRun> runs = helper.WaitForRuns(2, true);
  EXPECT_TRUE(WaitForWalkToEnd(tavimo));
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box";
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].arguments, Arguments{document});
  EXPECT_EQ(runs[1].arguments, Arguments{L"http://example.com/"});
  EXPECT_FALSE(Exists(folder.File(kProbeFile)));
}

// A document starts as a double-click in Explorer starts it: by the command
// registered for its type, with the arguments around "%1", in the document's
// own folder. A program and the browser start in their own folders too,
// never in the one Tavimo was started in.
TEST(Launch, RegisteredCommandRunsInTheItemsOwnFolder) {
  TestFolder folder;
  RecorderCopy editor(folder.File(L"Editor"), 0ms);
  RecorderCopy program(folder.File(L"Program Folder"), 0ms);
  const FileAssociation document_type(L".tvd", editor.Program(),
                                      L"/view --title \"two words\" \"%1\" --then-exit");
  const FileAssociation browser(L".htm", editor.Program());
  CreateDirectoryW(folder.File(L"My Documents").c_str(), nullptr);
  const std::wstring document = Document(folder.File(L"My Documents\\report.tvd"));
  const std::wstring address = L"http://example.com/";
  WriteBytes(folder.File(L"exefiles.dat"),
             StoreBytes({{document, true}, {program.Program(), true}, {address, true}}));
  Tavimo tavimo(folder);

  tavimo.Press(kRunButton);
  const std::vector<RecordedRun> edits = editor.WaitForRuns(2, true);
  const std::vector<RecordedRun> programs = program.WaitForRuns(1, true);
  EXPECT_TRUE(WaitForWalkToEnd(tavimo));
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box";
  ASSERT_EQ(edits.size(), 2u);
  EXPECT_EQ(edits[0].arguments,
            (Arguments{L"/view", L"--title", L"two words", document, L"--then-exit"}));
  EXPECT_EQ(edits[0].working_folder, folder.File(L"My Documents"));
  EXPECT_EQ(edits[1].arguments, Arguments{address});
  EXPECT_EQ(edits[1].working_folder, folder.File(L"Editor"));
  ASSERT_EQ(programs.size(), 1u);
  EXPECT_EQ(programs[0].working_folder, folder.File(L"Program Folder"));
}

// A started program that sends a message to every top-level window waits
// for Tavimo's answer while Tavimo waits for the program to end.
TEST(Launch, WaitAnswersMessagesThatTheStartedProgramSends) {
  TestFolder folder;
  RecorderCopy editor(folder.File(L"editor"), 0ms);
  editor.BroadcastBeforeEnd();
  const FileAssociation document_type(L".tvd", editor.Program());
  const std::wstring document = Document(folder.File(L"note.tvd"));
  WriteBytes(folder.File(L"exefiles.dat"), StoreBytes({{document, true}, {document, true}}));
  Tavimo tavimo(folder);

  tavimo.Press(kRunButton);
  const std::vector<RecordedRun> runs = editor.WaitForRuns(2, true);
  ASSERT_EQ(runs.size(), 2u) << "expected both runs to end";
  EXPECT_TRUE(runs[1].ended) << "the second run hangs";
  EXPECT_TRUE(WaitForWalkToEnd(tavimo));
}

TEST(Launch, ClosingTheWindowDuringAWalkSavesTheListAndEndsTheProgram) {
  TestFolder folder;
  RecorderCopy editor(folder.File(L"editor"), 500ms);
  const FileAssociation document_type(L".tvd", editor.Program());
  std::vector<Item> items = {{Document(folder.File(L"first.tvd")), true},
                             {Document(folder.File(L"second.tvd")), true},
                             {folder.File(L"later.tvd"), false}};
  WriteBytes(folder.File(L"exefiles.dat"), StoreBytes(items));
  Tavimo tavimo(folder);
  // A change that only the list holds, to be found in the saved store.
  tavimo.ClickItem(2);
  items[2].selected = true;
  ASSERT_TRUE(WaitUntil([&] { return tavimo.Flags() == Flags(items); }));

  tavimo.Press(kRunButton);
  ASSERT_EQ(editor.WaitForRuns(1, false).size(), 1u);
  EXPECT_TRUE(tavimo.Close()) << "expected the program to end once the running item ended";
  EXPECT_EQ(tavimo.ExitCode(), 0u);
  EXPECT_EQ(ReadBytes(folder.File(L"exefiles.dat")), StoreBytes(items));
  const std::vector<RecordedRun> runs = editor.Runs();
  EXPECT_EQ(runs.size(), 1u) << "expected the walk to end with the window";
}

// While the second item runs, the user removes the first and the third, adds
// a ticked item and presses the run button again. The walk goes on with the
// fourth: nothing skipped, nothing removed or added started, no second walk.
TEST(Launch, ListChangesAndTheRunButtonDuringAWalk) {
  TestFolder folder;
  RecorderCopy editor(folder.File(L"editor"), 1500ms);
  const FileAssociation document_type(L".tvd", editor.Program());
  std::vector<std::wstring> documents;
  for (const wchar_t* name : {L"first", L"second", L"third", L"fourth", L"added"}) {
    documents.push_back(Document(folder.File(std::wstring(name) + L".tvd")));
  }
  WriteBytes(folder.File(L"exefiles.dat"), StoreBytes({{documents[0], true},
                                                       {documents[1], true},
                                                       {documents[2], true},
                                                       {documents[3], true}}));
  Tavimo tavimo(folder);

  tavimo.Press(kRunButton);
  ASSERT_EQ(editor.WaitForRuns(2, false).size(), 2u);
  // Queued while the second item runs, and handled once it has ended, in this
  // order: the third item is made current (its flag cleared by the click) and
  // removed, then the first.
  tavimo.PostClickItem(2);
  tavimo.Press(kRemoveButton);
  tavimo.PostClickItem(0);
  tavimo.Press(kRemoveButton);
  tavimo.Press(kRunButton);
  Answer(PressAddAddress(tavimo), documents[4]);
  ASSERT_TRUE(WaitUntil([&] { return tavimo.Items().size() == 3; }));
  tavimo.ClickItem(2);

  editor.WaitForRuns(3, true);
  EXPECT_TRUE(WaitUntil([&] { return !IsIconic(tavimo.Window()); }, 10000ms));
  tavimo.Sync();
  const std::vector<RecordedRun> runs = editor.Runs();
  ASSERT_EQ(runs.size(), 3u) << "expected no second walk, and nothing removed or added started";
  EXPECT_EQ(runs[0].arguments, Arguments{documents[0]});
  EXPECT_EQ(runs[1].arguments, Arguments{documents[1]});
  EXPECT_EQ(runs[2].arguments, Arguments{documents[3]});
  EXPECT_EQ(tavimo.Items(), (std::vector<std::wstring>{documents[1], documents[3], documents[4]}));
  EXPECT_EQ(tavimo.Flags(), (std::vector<bool>{true, true, true}));
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no error box";
}

}  // namespace
}  // namespace e2e
