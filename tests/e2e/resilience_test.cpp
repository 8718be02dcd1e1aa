// Ways a user could lose the list or be left with a window that no longer
// works: the session ends, the program's folder cannot be written, starts
// fail during a run.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "dialogs.h"
#include "driver.h"
#include "file_association_win.h"
#include "recorder_copy.h"
#include "write_lock.h"

namespace e2e {
namespace {

using test_files::FileAssociation;

constexpr wchar_t kStore[] = L"exefiles.dat";
constexpr wchar_t kRunButton[] = L"順序執行";
constexpr wchar_t kProbeFile[] = L"temphtm.HTM";

// Sends the window what Windows sends when the session ends for `reason`
// (ENDSESSION_LOGOFF when the user logs off, ENDSESSION_CLOSEAPP when the
// Restart Manager must replace a file the program holds), and returns
// whether it agreed.
bool EndSession(const Tavimo& tavimo, LPARAM reason = ENDSESSION_LOGOFF) {
  DWORD_PTR agreed = 0;
  SendMessageTimeoutW(tavimo.Window(), WM_QUERYENDSESSION, 0, reason, SMTO_NORMAL, 5000, &agreed);
  DWORD_PTR unused = 0;
  SendMessageTimeoutW(tavimo.Window(), WM_ENDSESSION, TRUE, reason, SMTO_NORMAL, 5000, &unused);
  return agreed == TRUE;
}

std::wstring TempFolder() {
  wchar_t temp[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, temp);
  return temp;
}

bool WaitForWalkToEnd(const Tavimo& tavimo) {
  return WaitUntil([&] { return !IsIconic(tavimo.Window()); });
}

TEST(SessionEnd, ListIsSavedAndTheProgramClosesItselfForALogoffOrTheRestartManager) {
  // ENDSESSION_LOGOFF is 0x80000000, past a 32-bit LPARAM: cast, not braced.
  for (const LPARAM reason :
       {static_cast<LPARAM>(ENDSESSION_LOGOFF), LPARAM{ENDSESSION_CLOSEAPP}}) {
    TestFolder folder;
    WriteBytes(folder.File(kStore), StoreRecord(L"C:\\Tools\\a.exe", true));
    Tavimo tavimo(folder);
    Answer(PressAddAddress(tavimo), L"http://example.com/");
    ASSERT_TRUE(WaitUntil([&] { return tavimo.Items().size() == 2; }));
    tavimo.ClickItem(0);

    EXPECT_TRUE(EndSession(tavimo, reason)) << "expected the window to let the session end";
    EXPECT_TRUE(tavimo.WaitForExit(10000ms)) << "expected the program to close itself, " << reason;
    EXPECT_EQ(tavimo.ExitCode(), 0u);
    EXPECT_EQ(ReadBytes(folder.File(kStore)),
              StoreRecord(L"C:\\Tools\\a.exe", false) + StoreRecord(L"http://example.com/", false))
        << reason;
  }
}

TEST(SessionEnd, UnreadRecordsAreKeptWhenTheSessionEndsDuringTheLoadWarning) {
  TestFolder folder;
  const std::string original = StoreRecord(L"C:\\a.exe", true) + "\"C:\\b.exe\",yes\r\n";
  WriteBytes(folder.File(kStore), original);
  Tavimo tavimo(folder);
  ASSERT_NE(tavimo.WaitForDialog(), nullptr) << "expected the load warning";

  EXPECT_TRUE(EndSession(tavimo)) << "expected the window to let the session end";
  EXPECT_TRUE(tavimo.WaitForExit(10000ms)) << "expected the program to close itself";
  EXPECT_EQ(ReadBytes(folder.File(kStore)), original) << "expected the unread record kept";
  EXPECT_FALSE(Exists(folder.File(L"exefiles.dat.bak"))) << "an unchanged list needs no backup";
}

TEST(SessionEnd, ListIsSavedAndTheProgramClosesItselfAlsoWhileARunWaits) {
  TestFolder folder;
  RecorderCopy helper(folder.File(L"Helper"), 1500ms);
  const FileAssociation document_type(L".tvd", helper.Program());
  const std::wstring document = folder.File(L"note.tvd");
  WriteBytes(document, "");
  const std::string stored = StoreRecord(document, true) + StoreRecord(L"C:\\b.exe", false);
  WriteBytes(folder.File(kStore), stored);
  Tavimo tavimo(folder);

  tavimo.Press(kRunButton);
  ASSERT_EQ(helper.WaitForRuns(1, false).size(), 1u);
  DeleteFileW(folder.File(kStore).c_str());
  EXPECT_TRUE(EndSession(tavimo, ENDSESSION_CLOSEAPP)) << "expected the waiting window to answer";
  EXPECT_EQ(ReadBytes(folder.File(kStore)), stored) << "expected the list saved during the wait";
  EXPECT_TRUE(tavimo.WaitForExit(10000ms)) << "expected the program to close once the wait ends";
  EXPECT_EQ(tavimo.ExitCode(), 0u);
}

TEST(UnwritableFolder, WebItemOpensWithTheProbeFileInTheTemporaryFolder) {
  TestFolder folder;
  RecorderCopy browser(folder.File(L"Browser"), 0ms);
  const FileAssociation web_page(L".htm", browser.Program());
  const std::string stored = StoreRecord(L"http://example.com/a b", true);
  WriteBytes(folder.File(kStore), stored);
  Tavimo tavimo(folder);
  {
    const FolderWriteLock lock(folder.Path());
    tavimo.Press(kRunButton);
    const std::vector<RecordedRun> runs = browser.WaitForRuns(1, true);
    ASSERT_EQ(runs.size(), 1u) << "expected the browser started";
    EXPECT_EQ(runs[0].arguments, std::vector<std::wstring>{L"http://example.com/a b"});
    EXPECT_TRUE(WaitForWalkToEnd(tavimo));
    EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box";
  }
  EXPECT_FALSE(Exists(folder.File(kProbeFile)));
  EXPECT_FALSE(Exists(TempFolder() + kProbeFile));
  EXPECT_TRUE(tavimo.Close());
  EXPECT_EQ(ReadBytes(folder.File(kStore)), stored);
}

TEST(UnwritableFolder, NoPlaceForTheProbeFileIsReportedAndTheWalkGoesOn) {
  TestFolder folder;
  RecorderCopy helper(folder.File(L"Helper"), 0ms);
  const FileAssociation web_page(L".htm", helper.Program());
  const FileAssociation document_type(L".tvd", helper.Program());
  const std::wstring document = folder.File(L"note.tvd");
  WriteBytes(document, "");
  const std::wstring address = L"http://example.com/";
  WriteBytes(folder.File(kStore), StoreRecord(address, true) + StoreRecord(document, true));
  Tavimo tavimo(folder);
  {
    const FolderWriteLock program_folder(folder.Path());
    const FolderWriteLock temp_folder(TempFolder());
    tavimo.Press(kRunButton);
    const HWND box = WaitForMessageBox(tavimo);
    ASSERT_NE(box, nullptr) << "expected a box naming the item";
    EXPECT_NE(DialogText(box).find(address), std::wstring::npos) << DialogText(box);
    AnswerDialog(box, IDOK);
    const std::vector<RecordedRun> runs = helper.WaitForRuns(1, true);
    ASSERT_EQ(runs.size(), 1u) << "expected the walk to go on to the document";
    EXPECT_EQ(runs[0].arguments, std::vector<std::wstring>{document});
    EXPECT_TRUE(WaitForWalkToEnd(tavimo));
  }
  EXPECT_TRUE(tavimo.Close());
}

// Each start that fails, by whatever route, shows one box that names the item
// and Windows' reason with its placeholders filled; once it is answered the
// walk goes on, and the window comes back topmost.
TEST(FailedStart, IsNamedWithItsReasonAndTheWalkGoesOn) {
  TestFolder folder;
  const std::wstring no_program = folder.File(L"not a program.exe");
  WriteBytes(no_program, "This file is no program.");
  RecorderCopy helper(folder.File(L"Helper"), 0ms);
  const FileAssociation web_page(L".htm", no_program);
  const FileAssociation document_type(L".tvd", helper.Program());
  const FileAssociation missing_handler(L".tvgone", folder.File(L"Gone\\editor.exe"));
  const std::wstring orphan = folder.File(L"orphan.tvgone");
  const std::wstring document = folder.File(L"note.tvd");
  WriteBytes(orphan, "");
  WriteBytes(document, "");
  const std::wstring address = L"http://example.com/";
  const std::string stored = StoreRecord(address, true) + StoreRecord(no_program, true) +
                             StoreRecord(orphan, true) + StoreRecord(document, true);
  WriteBytes(folder.File(kStore), stored);
  Tavimo tavimo(folder);

  tavimo.Press(kRunButton);
  // The browser and the program are no programs; the orphan's is missing.
  for (const std::wstring& item : {address, no_program, orphan}) {
    const HWND box = WaitForMessageBox(tavimo);
    ASSERT_NE(box, nullptr) << "expected a box for " << Ansi(item);
    const std::wstring text = DialogText(box);
    EXPECT_EQ(text.rfind(L"無法啟動 " + item + L"\r\n", 0), 0u) << Ansi(text);
    EXPECT_GT(text.size(), item.size() + 7) << "expected the reason after the item";
    EXPECT_EQ(text.find(L'%'), std::wstring::npos) << "a placeholder left: " << Ansi(text);
    if (item != orphan) {
      EXPECT_NE(text.find(no_program, item.size()), std::wstring::npos)
          << "expected the reason to name what is no program: " << Ansi(text);
    }
    EXPECT_TRUE(helper.Runs().empty()) << "expected nothing started before the document";
    AnswerDialog(box, IDOK);
    WaitUntilNoDialog(tavimo);
  }
  EXPECT_EQ(helper.WaitForRuns(1, true).size(), 1u) << "expected the walk to go on";
  EXPECT_TRUE(WaitForWalkToEnd(tavimo)) << "expected the window restored";
  EXPECT_TRUE(GetWindowLongW(tavimo.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_EQ(tavimo.Items(), (std::vector<std::wstring>{address, no_program, orphan, document}));
  EXPECT_EQ(tavimo.Flags(), (std::vector<bool>{true, true, true, true}));
  EXPECT_EQ(ReadBytes(folder.File(kStore)), stored);
}

// A program that crashes ends at once, with no debugger holding it, and the
// driver stops waiting on a tavimo.exe that ended so, saying what happened.
TEST(Crash, ACrashedProgramEndsAtOnceAndTheDriverStopsWaiting) {
  TestFolder folder;
  RecorderCopy crasher(folder.File(L"Crasher"), 0ms);
  crasher.CrashBeforeEnd();
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  std::wstring command = L"\"" + crasher.Program() + L"\"";
  ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &info));
  CloseHandle(info.hThread);
  EXPECT_EQ(WaitForSingleObject(info.hProcess, 10000), WAIT_OBJECT_0)
      << "expected the crashed program to end, not to wait for a debugger";
  DWORD exit_code = 0;
  GetExitCodeProcess(info.hProcess, &exit_code);
  EXPECT_NE(exit_code, 0u);
  CloseHandle(info.hProcess);

  Tavimo tavimo(folder);
  const HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, tavimo.ProcessId());
  ASSERT_NE(process, nullptr);
  TerminateProcess(process, EXCEPTION_ACCESS_VIOLATION);
  CloseHandle(process);
  try {
    WaitUntil([] { return false; }, 30s);
    ADD_FAILURE() << "expected the wait to stop when tavimo.exe ended";
  } catch (const std::runtime_error& error) {
    EXPECT_NE(std::string(error.what()).find("ended unexpectedly"), std::string::npos)
        << error.what();
  }
}

bool UnderWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version"); }

// Under Wine, refuses a DLL to every tavimo.exe started while it lives.
class RefusedToTavimo {
 public:
  explicit RefusedToTavimo(const wchar_t* dll) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kKey, dll, REG_SZ, L"", sizeof(wchar_t));
  }
  ~RefusedToTavimo() { RegDeleteTreeW(HKEY_CURRENT_USER, kKey); }
  RefusedToTavimo(const RefusedToTavimo&) = delete;
  RefusedToTavimo& operator=(const RefusedToTavimo&) = delete;

 private:
  static constexpr wchar_t kKey[] = L"Software\\Wine\\AppDefaults\\tavimo.exe\\DllOverrides";
};

// SHELL32 is loaded only when first needed; where it cannot be had, the run
// says so in a box and the program goes on, never calling what it could not
// load. Wine can be told to refuse a DLL to one program.
TEST(Crash, AShellDllThatCannotBeLoadedIsABoxNotACrash) {
  if (!UnderWine()) GTEST_SKIP() << "needs Wine, to refuse SHELL32 to the program";
  TestFolder folder;
  RecorderCopy program(folder.File(L"program"), 0ms);
  WriteBytes(folder.File(kStore), StoreRecord(program.Program(), true));
  const RefusedToTavimo refused(L"shell32");
  Tavimo tavimo(folder);

  tavimo.Press(kRunButton);
  const HWND box = WaitForMessageBox(tavimo);
  ASSERT_NE(box, nullptr) << "expected a box saying SHELL32 cannot be loaded";
  const std::wstring text = DialogText(box);
  EXPECT_EQ(text.rfind(L"無法啟動 " + program.Program() + L"\r\n", 0), 0u) << Ansi(text);
  EXPECT_NE(text.find(L"shell32.dll"), std::wstring::npos) << Ansi(text);
  AnswerDialog(box, IDOK);
  EXPECT_TRUE(WaitForWalkToEnd(tavimo));
  EXPECT_TRUE(program.Runs().empty());
  EXPECT_TRUE(tavimo.Running());
}

}  // namespace
}  // namespace e2e
