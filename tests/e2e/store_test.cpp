// The item store file exefiles.dat beside the program: the list and its
// flags come from it when the window opens and go back to it, byte for
// byte, when the window closes; a store that cannot be read whole or
// written is never lost without a word.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "dialogs.h"
#include "driver.h"
#include "write_lock.h"

namespace e2e {
namespace {

constexpr wchar_t kStore[] = L"exefiles.dat";
constexpr wchar_t kBackup[] = L"exefiles.dat.bak";

// The names of the files in the folder, sorted.
std::vector<std::wstring> FileNames(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW entry;
  const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(entry.cFileName);
  } while (FindNextFileW(find, &entry));
  FindClose(find);
  std::sort(names.begin(), names.end());
  return names;
}

// What a test folder holds after a save that needed no backup.
const std::vector<std::wstring> kProgramsAndStore = {kStore, L"recorder.exe", L"tavimo.exe"};

// The texts of the boxes the program shows now, for failure messages.
std::wstring ShownBoxes(const Tavimo& tavimo) {
  std::wstring texts;
  for (const HWND box : tavimo.Dialogs()) texts += L"[" + DialogText(box) + L"] ";
  return texts;
}

// Closes the window and expects it to go without showing anything.
void CloseWithoutABox(Tavimo& tavimo) {
  PostMessageW(tavimo.Window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(tavimo.WaitForExit(10000ms))
      << "expected the window to close, got boxes: " << ShownBoxes(tavimo);
}

TEST(Store, LoadsTextsAndFlagsAndSavesTheChangedListByteForByte) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), StoreRecord("C:\\Tools\\a.exe", true) +
                                      StoreRecord("D:\\docs\\readme.txt", false) +
                                      StoreRecord("C:\\Tools\\b.lnk", true));
  Tavimo tavimo(folder);
  EXPECT_EQ(tavimo.Items(), (std::vector<std::wstring>{L"C:\\Tools\\a.exe", L"D:\\docs\\readme.txt",
                                                       L"C:\\Tools\\b.lnk"}));
  EXPECT_EQ(tavimo.Flags(), (std::vector<bool>{true, false, true}));
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box, got " << ShownBoxes(tavimo);

  tavimo.ClickItem(0);
  tavimo.ClickItem(1);
  ASSERT_EQ(tavimo.Flags(), (std::vector<bool>{false, true, true}));
  CloseWithoutABox(tavimo);

  EXPECT_EQ(ReadBytes(folder.File(kStore)), StoreRecord("C:\\Tools\\a.exe", false) +
                                                StoreRecord("D:\\docs\\readme.txt", true) +
                                                StoreRecord("C:\\Tools\\b.lnk", true));
  EXPECT_EQ(FileNames(folder.Path()), kProgramsAndStore)
      << "expected no temporary file and no backup after a clean load";
}

TEST(Store, NoFileGivesAnEmptyListSilentlyAndAnEmptyListSavesZeroBytes) {
  TestFolder folder;
  Tavimo tavimo(folder);
  EXPECT_TRUE(tavimo.Items().empty());
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box, got " << ShownBoxes(tavimo);
  CloseWithoutABox(tavimo);

  ASSERT_TRUE(Exists(folder.File(kStore))) << "expected the store to be created at close";
  EXPECT_EQ(ReadBytes(folder.File(kStore)), "");
  EXPECT_EQ(FileNames(folder.Path()), kProgramsAndStore);
}

TEST(Store, TextsWithACommaOrADoubleQuoteReadBackWithTheRecordsAfterThem) {
  TestFolder folder;
  const std::string stored = StoreRecord("http://example.com/find?q=a,b&lang=zh", true) +
                             StoreRecord("http://example.com/?q=\"two words\"", false) +
                             StoreRecord("C:\\after.exe", true);
  WriteBytes(folder.File(kStore), stored);
  Tavimo tavimo(folder);
  EXPECT_EQ(tavimo.Items(),
            (std::vector<std::wstring>{L"http://example.com/find?q=a,b&lang=zh",
                                       L"http://example.com/?q=\"two words\"", L"C:\\after.exe"}));
  EXPECT_EQ(tavimo.Flags(), (std::vector<bool>{true, false, true}));
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box, got " << ShownBoxes(tavimo);
  CloseWithoutABox(tavimo);

  EXPECT_EQ(ReadBytes(folder.File(kStore)), stored) << "an unchanged list must save the same bytes";
}

TEST(Store, LastRecordWithoutALineEndIsReadWholeWithoutAWarning) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), StoreRecord("C:\\a.exe", true) + "\"C:\\b.exe\",#FALSE#");
  Tavimo tavimo(folder);
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box, got " << ShownBoxes(tavimo);
  EXPECT_EQ(tavimo.Items(), (std::vector<std::wstring>{L"C:\\a.exe", L"C:\\b.exe"}));
  EXPECT_EQ(tavimo.Flags(), (std::vector<bool>{true, false}));
  CloseWithoutABox(tavimo);

  EXPECT_EQ(ReadBytes(folder.File(kStore)),
            StoreRecord("C:\\a.exe", true) + StoreRecord("C:\\b.exe", false));
  EXPECT_FALSE(Exists(folder.File(kBackup))) << "a load that read everything keeps no backup";
}

// A store whose third record cannot be read, in each way that stops a load.
struct UnreadableThirdRecord {
  const char* name;
  const char* bytes;  // the third record and whatever follows it
};

class StoreStoppedAtThirdRecord : public ::testing::TestWithParam<UnreadableThirdRecord> {};

// Waits for the warning that the store was not read whole, from `line`,
// answers it and waits for the window.
void PassTheWarningAboutLine(int line, const TestFolder& folder, const Tavimo& tavimo) {
  const HWND warning = tavimo.WaitForDialog();
  ASSERT_NE(warning, nullptr) << "expected a warning that the store was not read whole";
  const std::wstring text = DialogText(warning);
  EXPECT_NE(text.find(folder.File(kStore)), std::wstring::npos)
      << "expected the store's path in the warning, got " << text;
  const std::wstring named = L"第 " + std::to_wstring(line) + L" 行";
  EXPECT_NE(text.find(named), std::wstring::npos)
      << "expected the warning to name line " << line << ", got " << text;
  EXPECT_NE(text.find(folder.File(kBackup)), std::wstring::npos)
      << "expected the warning to say where the file is kept, got " << text;
  AnswerDialog(warning, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(tavimo.Window()) != FALSE; }))
      << "expected the window to show once the warning is answered";
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected one warning, got also " << ShownBoxes(tavimo);
}

TEST_P(StoreStoppedAtThirdRecord, WarnsOnceLoadsTheFirstTwoAndKeepsTheFileAsBackup) {
  TestFolder folder;
  const std::string original =
      StoreRecord("C:\\a.exe", true) + StoreRecord("C:\\b.exe", false) + GetParam().bytes;
  WriteBytes(folder.File(kStore), original);
  Tavimo tavimo(folder);
  PassTheWarningAboutLine(3, folder, tavimo);
  EXPECT_EQ(tavimo.Items(), (std::vector<std::wstring>{L"C:\\a.exe", L"C:\\b.exe"}));
  EXPECT_EQ(tavimo.Flags(), (std::vector<bool>{true, false}));
  tavimo.ClickItem(1);
  CloseWithoutABox(tavimo);

  EXPECT_EQ(ReadBytes(folder.File(kStore)),
            StoreRecord("C:\\a.exe", true) + StoreRecord("C:\\b.exe", true));
  EXPECT_EQ(ReadBytes(folder.File(kBackup)), original)
      << "expected the unread records kept in " << kBackup;
}

INSTANTIATE_TEST_SUITE_P(
    Store, StoreStoppedAtThirdRecord,
    ::testing::Values(UnreadableThirdRecord{"FlagThatIsNoBoolean",
                                            "\"C:\\c.exe\",yes\r\n\"C:\\d.exe\",#TRUE#\r\n"},
                      UnreadableThirdRecord{"FileEndingInsideTheText", "\"C:\\cut inside the te"},
                      UnreadableThirdRecord{"FileEndingInsideTheFlag", "\"C:\\c.exe\",#TR"}),
    [](const ::testing::TestParamInfo<UnreadableThirdRecord>& info) { return info.param.name; });

TEST(Store, UnreadRecordsAreKeptWhenTheWindowIsClosedDuringTheWarning) {
  TestFolder folder;
  const std::string original =
      StoreRecord("C:\\a.exe", true) + "\"C:\\b.exe\",yes\r\n" + StoreRecord("C:\\c.exe", true);
  WriteBytes(folder.File(kStore), original);
  Tavimo tavimo(folder);
  ASSERT_NE(tavimo.WaitForDialog(), nullptr) << "expected the load warning";
  // As taskkill ends a program with a window: a close while the box is up.
  PostMessageW(tavimo.Window(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(tavimo.WaitForExit(10000ms)) << "expected the close to end the program";

  EXPECT_EQ(ReadBytes(folder.File(kStore)), original) << "expected the unread records kept";
  EXPECT_EQ(FileNames(folder.Path()), kProgramsAndStore);
}

TEST(Store, BlankLinesBlanksRoundTheCommaAndAFinalCtrlZAreNoRecords) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), StoreRecord("C:\\a.exe", true) + "\r\n" +
                                      "\"C:\\b.exe\" , #FALSE#\r\n" +
                                      StoreRecord("C:\\c.exe", true) + "\x1a");
  Tavimo tavimo(folder);
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box, got " << ShownBoxes(tavimo);
  EXPECT_EQ(tavimo.Items(), (std::vector<std::wstring>{L"C:\\a.exe", L"C:\\b.exe", L"C:\\c.exe"}));
  EXPECT_EQ(tavimo.Flags(), (std::vector<bool>{true, false, true}));
  CloseWithoutABox(tavimo);

  EXPECT_EQ(ReadBytes(folder.File(kStore)), StoreRecord("C:\\a.exe", true) +
                                                StoreRecord("C:\\b.exe", false) +
                                                StoreRecord("C:\\c.exe", true));
  EXPECT_EQ(FileNames(folder.Path()), kProgramsAndStore) << "expected no backup";
}

// What Notepad writes at the start of a file it saves as UTF-8.
constexpr char kUtf8Signature[] = "\xEF\xBB\xBF";

// The UTF-8 store tests need a code page that holds "é" but not "工".
bool IsWesternCodePage() { return GetACP() == 1252; }

// Starts on `stored`: C:\\Tools\\a.exe with its flag set and C:\\Café\\b.exe
// with its flag clear, as an editor saved them. They load with no box and
// go back to the store in the system code page.
void ExpectTheTwoItemsLoadedAndSavedInTheCodePage(const std::string& stored) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), stored);
  Tavimo tavimo(folder);
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box, got " << ShownBoxes(tavimo);
  EXPECT_EQ(tavimo.Items(), (std::vector<std::wstring>{L"C:\\Tools\\a.exe", L"C:\\Café\\b.exe"}));
  EXPECT_EQ(tavimo.Flags(), (std::vector<bool>{true, false}));
  CloseWithoutABox(tavimo);

  EXPECT_EQ(ReadBytes(folder.File(kStore)),
            StoreRecord(L"C:\\Tools\\a.exe", true) + StoreRecord(L"C:\\Café\\b.exe", false))
      << "expected the items saved back in the system code page";
}

TEST(Store, StoreSavedAsUtf8ByNotepadLoadsItsItemsUnchanged) {
  if (!IsWesternCodePage()) GTEST_SKIP() << "needs the code page 1252, got " << GetACP();
  ExpectTheTwoItemsLoadedAndSavedInTheCodePage(kUtf8Signature +
                                               StoreRecord("C:\\Tools\\a.exe", true) +
                                               StoreRecord("C:\\Caf\xC3\xA9\\b.exe", false));
}

TEST(Store, Utf8TextThatTheCodePageCannotHoldStopsTheLoadAndIsKept) {
  if (!IsWesternCodePage()) GTEST_SKIP() << "needs the code page 1252, got " << GetACP();
  TestFolder folder;
  const std::string original = kUtf8Signature + StoreRecord("C:\\a.exe", true) +
                               StoreRecord("C:\\\xE5\xB7\xA5\xE5\x85\xB7\\b.exe", true);
  WriteBytes(folder.File(kStore), original);
  Tavimo tavimo(folder);
  PassTheWarningAboutLine(2, folder, tavimo);
  EXPECT_EQ(tavimo.Items(), std::vector<std::wstring>{L"C:\\a.exe"});
  CloseWithoutABox(tavimo);

  EXPECT_EQ(ReadBytes(folder.File(kStore)), original);
  EXPECT_EQ(FileNames(folder.Path()), kProgramsAndStore);
}

// `text` as Notepad saves "Unicode" (UTF-16, little end first, behind its
// byte-order mark), or in the other byte order.
std::string Utf16(const std::wstring& text, bool big_endian) {
  std::string bytes = big_endian ? "\xFE\xFF" : "\xFF\xFE";
  for (const wchar_t unit : text) {
    const char low = static_cast<char>(unit & 0xFF);
    const char high = static_cast<char>(unit >> 8);
    bytes += big_endian ? std::string{high, low} : std::string{low, high};
  }
  return bytes;
}

TEST(Store, StoreSavedAsUtf16LoadsItsItemsOrStopsAtATextTheCodePageCannotHold) {
  if (!IsWesternCodePage()) GTEST_SKIP() << "needs the code page 1252, got " << GetACP();
  for (const bool big_endian : {false, true}) {
    ExpectTheTwoItemsLoadedAndSavedInTheCodePage(
        Utf16(L"\"C:\\Tools\\a.exe\",#TRUE#\r\n\"C:\\Café\\b.exe\",#FALSE#\r\n", big_endian));
  }
  TestFolder folder;
  const std::string original =
      Utf16(L"\"C:\\a.exe\",#TRUE#\r\n\"C:\\工\\b.exe\",#TRUE#\r\n", false);
  WriteBytes(folder.File(kStore), original);
  Tavimo tavimo(folder);
  PassTheWarningAboutLine(2, folder, tavimo);
  EXPECT_EQ(tavimo.Items(), std::vector<std::wstring>{L"C:\\a.exe"});
  tavimo.ClickItem(0);
  CloseWithoutABox(tavimo);
  EXPECT_EQ(ReadBytes(folder.File(kBackup)), original);
}

// Starts the program on `stored` (already in the store file), changes a
// flag and closes the window, when the save cannot succeed: the user is
// told which file was not written, the window closes all the same, and the
// store is left byte for byte as it was, with nothing beside it. Gives
// back the text of the box.
void ExpectSaveToFailHarmlessly(const TestFolder& folder, const std::string& stored,
                                std::wstring& box_text) {
  Tavimo tavimo(folder);
  tavimo.ClickItem(1);
  PostMessageW(tavimo.Window(), WM_CLOSE, 0, 0);
  const HWND box = tavimo.WaitForDialog();
  ASSERT_NE(box, nullptr) << "expected a box saying the list was not saved";
  box_text = DialogText(box);
  EXPECT_NE(box_text.find(folder.File(kStore)), std::wstring::npos)
      << "expected the store's path in the box, got " << box_text;
  AnswerDialog(box, IDOK);
  EXPECT_TRUE(tavimo.WaitForExit(10000ms)) << "expected the window to close after the box";

  EXPECT_EQ(ReadBytes(folder.File(kStore)), stored);
  EXPECT_EQ(FileNames(folder.Path()), kProgramsAndStore) << "expected no temporary file left";
}

const std::string kTwoItems = StoreRecord("C:\\a.exe", true) + StoreRecord("C:\\b.exe", false);

TEST(Store, ReadOnlyStoreFileIsKeptAndTheUserIsTold) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), kTwoItems);
  SetFileAttributesW(folder.File(kStore).c_str(), FILE_ATTRIBUTE_READONLY);
  std::wstring box_text;
  ExpectSaveToFailHarmlessly(folder, kTwoItems, box_text);
  EXPECT_TRUE(GetFileAttributesW(folder.File(kStore).c_str()) & FILE_ATTRIBUTE_READONLY);
}

// The system's own words for a failure, as the program shows them.
std::wstring SystemText(DWORD error) {
  wchar_t text[512] = {};
  FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                 text, 512, nullptr);
  std::wstring trimmed = text;
  trimmed.erase(trimmed.find_last_not_of(L"\r\n ") + 1);
  return trimmed;
}

TEST(Store, FolderThatCannotBeWrittenKeepsTheStoreAndTheUserIsTold) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), kTwoItems);
  const FolderWriteLock lock(folder.Path());
  std::wstring box_text;
  ExpectSaveToFailHarmlessly(folder, kTwoItems, box_text);
  const std::wstring reason = SystemText(ERROR_ACCESS_DENIED);
  EXPECT_NE(box_text.find(reason), std::wstring::npos)
      << "expected the system's reason \"" << reason << "\" in the box, got " << box_text;
}

// Starts the program while another program holds the store open, and
// answers the warning once that program has let go; gives back its text.
std::wstring StartWithTheStoreHeld(const TestFolder& folder, std::unique_ptr<Tavimo>& tavimo) {
  auto held = std::make_unique<ExclusiveFileHold>(folder.File(kStore));
  tavimo = std::make_unique<Tavimo>(folder);
  const HWND warning = tavimo->WaitForDialog();
  if (!warning) return L"";
  const std::wstring text = DialogText(warning);
  held.reset();
  AnswerDialog(warning, IDOK);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(tavimo->Window()) != FALSE; }));
  return text;
}

TEST(Store, StoreHeldOpenByAnotherProgramAtStartIsNeverLostOverLaterStarts) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), kTwoItems);
  std::unique_ptr<Tavimo> tavimo;
  std::wstring text = StartWithTheStoreHeld(folder, tavimo);
  const std::wstring reason = SystemText(ERROR_SHARING_VIOLATION);
  EXPECT_NE(text.find(reason), std::wstring::npos)
      << "expected the system's reason \"" << reason << "\" in the warning, got " << text;
  EXPECT_NE(text.find(folder.File(kStore)), std::wstring::npos)
      << "expected the store's path in the warning, got " << text;
  EXPECT_EQ(text.find(L"第 1 行"), std::wstring::npos) << "expected no line named, got " << text;
  EXPECT_TRUE(tavimo->Items().empty());
  CloseWithoutABox(*tavimo);
  EXPECT_EQ(ReadBytes(folder.File(kStore)), kTwoItems) << "an unchanged list must leave the file";
  EXPECT_EQ(FileNames(folder.Path()), kProgramsAndStore);

  // Held at two more starts, at each of which the user adds an item: the
  // list that was read last is kept, and no later save writes over it.
  const std::wstring added[] = {L"http://example.com/1", L"http://example.com/2"};
  const std::wstring kept_as[] = {folder.File(kBackup), folder.File(L"exefiles.dat.2.bak")};
  for (int start = 0; start < 2; ++start) {
    text = StartWithTheStoreHeld(folder, tavimo);
    EXPECT_NE(text.find(kept_as[start]), std::wstring::npos)
        << "expected the warning to say where the file is kept, got " << text;
    Answer(PressAddAddress(*tavimo), added[start]);
    ASSERT_TRUE(WaitUntil([&] { return tavimo->Items().size() == 1; }));
    CloseWithoutABox(*tavimo);
  }
  EXPECT_EQ(ReadBytes(folder.File(kBackup)), kTwoItems);
  EXPECT_EQ(ReadBytes(kept_as[1]), StoreRecord(added[0], false));
  EXPECT_EQ(ReadBytes(folder.File(kStore)), StoreRecord(added[1], false));

  // A start that reads the store whole still says where the lists are kept.
  tavimo = std::make_unique<Tavimo>(folder);
  const HWND note = tavimo->WaitForDialog();
  ASSERT_NE(note, nullptr) << "expected a start beside backups not to be silent";
  EXPECT_NE(DialogText(note).find(folder.File(kBackup)), std::wstring::npos) << DialogText(note);
  AnswerDialog(note, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(tavimo->Window()) != FALSE; }));
  EXPECT_EQ(tavimo->Items(), std::vector<std::wstring>{added[1]});
  CloseWithoutABox(*tavimo);
}

TEST(Store, FailedFirstSaveKeepsItsTemporaryFileAndTheNextStartLoadsAndKeepsIt) {
  TestFolder folder;
  // A folder in the store's place: the saved list cannot take it.
  ASSERT_TRUE(CreateDirectoryW(folder.File(kStore).c_str(), nullptr));
  {
    Tavimo tavimo(folder);
    const HWND warning = tavimo.WaitForDialog();
    ASSERT_NE(warning, nullptr) << "expected a warning that the store cannot be read";
    AnswerDialog(warning, IDOK);
    Answer(PressAddAddress(tavimo), L"http://example.com/");
    ASSERT_TRUE(WaitUntil([&] { return tavimo.Items().size() == 1; }));
    tavimo.ClickItem(0);
    PostMessageW(tavimo.Window(), WM_CLOSE, 0, 0);
    const HWND box = tavimo.WaitForDialog();
    ASSERT_NE(box, nullptr) << "expected a box saying the list was not saved";
    AnswerDialog(box, IDOK);
    EXPECT_TRUE(tavimo.WaitForExit(10000ms));
  }
  const std::vector<std::wstring> names = FileNames(folder.Path());
  ASSERT_EQ(names.size(), 3u) << "expected the temporary file beside the programs";
  const std::wstring temp = folder.File(names[0]);
  const std::string saved = StoreRecord(L"http://example.com/", true);
  EXPECT_EQ(ReadBytes(temp), saved) << "expected the whole list in " << Ansi(temp);
  ASSERT_TRUE(RemoveDirectoryW(folder.File(kStore).c_str()));

  Tavimo tavimo(folder);
  const HWND box = tavimo.WaitForDialog();
  ASSERT_NE(box, nullptr) << "expected a box saying where the list came from";
  EXPECT_NE(DialogText(box).find(temp), std::wstring::npos)
      << "expected the temporary file's path in the box, got " << DialogText(box);
  AnswerDialog(box, IDOK);
  ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(tavimo.Window()) != FALSE; }));
  EXPECT_EQ(tavimo.Items(), std::vector<std::wstring>{L"http://example.com/"});
  EXPECT_EQ(tavimo.Flags(), std::vector<bool>{true});
  CloseWithoutABox(tavimo);
  EXPECT_EQ(ReadBytes(folder.File(kStore)), saved);
  EXPECT_EQ(ReadBytes(folder.File(kBackup)), saved) << "expected the temporary file kept";
}

// Runs only where the system code page is Big5: the test scripts run this
// suite once more with Wine in a Traditional Chinese locale, in a prefix of
// its own.
TEST(StoreBig5, ChineseTextsLoadFromBig5BytesAndSaveBackAsBig5) {
  if (GetACP() != 950) {
    GTEST_SKIP() << "needs the system code page 950 (Big5), got " << GetACP();
  }
  // 工具\功能: the second byte of 功 is 0x5C, the byte of "\".
  const std::string tool = "C:\\\xa4\x75\xa8\xe3\\\xa5\x5c\xaf\xe0.exe";
  // 順序,網址: the second byte of 址 is 0x7D, the byte of "}".
  const std::string address = "http://example.tw/?q=\xb6\xb6\xa7\xc7,\xba\xf4\xa7\x7d";
  TestFolder folder;
  WriteBytes(folder.File(kStore), StoreRecord(tool, true) + StoreRecord(address, false));
  Tavimo tavimo(folder);
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box, got " << ShownBoxes(tavimo);
  EXPECT_EQ(tavimo.Items(),
            (std::vector<std::wstring>{L"C:\\工具\\功能.exe", L"http://example.tw/?q=順序,網址"}));
  EXPECT_EQ(tavimo.Flags(), (std::vector<bool>{true, false}));

  tavimo.ClickItem(1);
  CloseWithoutABox(tavimo);
  EXPECT_EQ(ReadBytes(folder.File(kStore)), StoreRecord(tool, true) + StoreRecord(address, true));
}

}  // namespace
}  // namespace e2e
