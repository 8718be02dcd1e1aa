// Adding items (open-file dialog, input box, a drop from the shell) and
// removing them, driven as the user does it, and what reaches the store.
#include <gtest/gtest.h>
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <future>
#include <string>
#include <vector>

#include "dialogs.h"
#include "drag_source.h"
#include "driver.h"
#include "file_association_win.h"
#include "recorder_copy.h"

namespace e2e {
namespace {

constexpr wchar_t kAddFile[] = L"增加項目";
constexpr wchar_t kRemove[] = L"移除項目";
constexpr wchar_t kRun[] = L"順序執行";
constexpr wchar_t kStore[] = L"exefiles.dat";
// The open-file dialog's file-name box and file-type list.
constexpr int kFileTypeList = 0x470;
// Devanagari: no ANSI code page holds it.
constexpr wchar_t kOutsideCodePages[] = L"\u0915\u093F";

using test_files::FileAssociation;
using Items = std::vector<std::wstring>;
using Flags = std::vector<bool>;

bool CodePageHolds(const std::wstring& text) {
  BOOL defaulted = FALSE;
  WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                      nullptr, 0, nullptr, &defaulted);
  return !defaulted;
}

std::wstring ShortPath(const std::wstring& path) {
  wchar_t short_path[MAX_PATH] = {};
  return GetShortPathNameW(path.c_str(), short_path, MAX_PATH) ? short_path : L"";
}

int ItemCount(const Tavimo& tavimo) {
  return static_cast<int>(SendMessageW(tavimo.List(), LB_GETCOUNT, 0, 0));
}

bool WaitForItemCount(const Tavimo& tavimo, int count) {
  return WaitUntil([&] { return ItemCount(tavimo) == count; });
}

POINT ListCentre(const Tavimo& tavimo) {
  RECT list{};
  GetWindowRect(tavimo.List(), &list);
  return POINT{(list.left + list.right) / 2, (list.top + list.bottom) / 2};
}

// The texts of a combo box's list.
Items ComboTexts(HWND combo) {
  Items texts;
  const int count = static_cast<int>(SendMessageW(combo, CB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(i),
                                                 reinterpret_cast<LPARAM>(text.data()))));
    texts.push_back(text);
  }
  return texts;
}

HWND PressAddFile(const Tavimo& tavimo) {
  tavimo.Press(kAddFile);
  return WaitForDialogThat(tavimo, IsOpenFileDialog);
}

void ChooseFile(HWND open_file_dialog, const std::wstring& name) {
  TypeAndPress(open_file_dialog, GetDlgItem(open_file_dialog, kFileNameBox), name, IDOK);
}

TEST(EntryOpenFileDialog, ChosenFileGoesToTheEndEachTimeItIsChosen) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), StoreRecord(L"C:\\Tools\\loaded.exe", true));
  const std::wstring chosen = folder.File(L"notes.txt");
  WriteBytes(chosen, "");
  Tavimo tavimo(folder);

  const HWND dialog = PressAddFile(tavimo);
  ASSERT_NE(dialog, nullptr) << "expected the open-file dialog";
  EXPECT_EQ(WindowText(dialog), L"加入項目") << "in any code page";
  EXPECT_EQ(ComboTexts(GetDlgItem(dialog, kFileTypeList)), Items{L"加入的檔案 (*.*)"})
      << "one file type";
  // A bare name is looked up in the folder the dialog opened in: the
  // program's own.
  ChooseFile(dialog, L"notes.txt");
  ASSERT_TRUE(WaitForItemCount(tavimo, 2));

  const HWND again = PressAddFile(tavimo);
  ASSERT_NE(again, nullptr) << "expected the open-file dialog a second time";
  ChooseFile(again, chosen);
  ASSERT_TRUE(WaitForItemCount(tavimo, 3));
  EXPECT_EQ(tavimo.Items(), (Items{L"C:\\Tools\\loaded.exe", chosen, chosen}));
  EXPECT_EQ(tavimo.Flags(), (Flags{true, false, false}));
}

TEST(EntryOpenFileDialog, CancelAddsNothingAndShowsNothing) {
  TestFolder folder;
  Tavimo tavimo(folder);
  const HWND dialog = PressAddFile(tavimo);
  ASSERT_NE(dialog, nullptr) << "expected the open-file dialog";
  AnswerDialog(dialog, IDCANCEL);
  WaitUntilNoDialog(tavimo);
  EXPECT_TRUE(tavimo.Dialogs().empty());
  EXPECT_TRUE(tavimo.Items().empty());
}

// Waits for a message box whose text holds `words`, answers it and waits
// until it is gone.
void ExpectBoxSaying(const Tavimo& tavimo, const std::wstring& words, const char* what) {
  const HWND box = WaitForMessageBox(tavimo);
  ASSERT_NE(box, nullptr) << "expected a box saying " << what;
  EXPECT_NE(DialogText(box).find(words), std::wstring::npos) << "got " << Ansi(DialogText(box));
  AnswerDialog(box, IDOK);
  WaitUntilNoDialog(tavimo);
}

void ExpectTooLongBox(const Tavimo& tavimo) {
  ExpectBoxSaying(tavimo, L"項目太長", "the item is too long");
}

// A store holding as many items as the list takes.
constexpr int kMostItems = 32768;
std::string FullStore() {
  std::string store;
  for (int i = 0; i < kMostItems; ++i) store += StoreRecord(L"http://" + std::to_wstring(i), false);
  return store;
}

// The dialog, a drop and the input box take items of up to 255 characters,
// the longest every route starts (Wine's shell starts no longer document),
// and refuse longer ones with the same box. An item at the limit starts.
TEST(EntryLengthLimit, DialogDropAndInputBoxTakeTheLongestItemThatStarts) {
  TestFolder folder;
  RecorderCopy editor(folder.File(L"editor"), 0ms);
  const FileAssociation document_type(L".tvd", editor.Program());
  const std::wstring fits =
      folder.File(std::wstring(255 - folder.Path().size() - 5, L'f') + L".tvd");
  const std::wstring too_long = folder.File(std::wstring(256 - folder.Path().size() - 1, L'l'));
  ASSERT_EQ(fits.size(), 255u);
  ASSERT_EQ(too_long.size(), 256u);
  WriteBytes(fits, "");
  WriteBytes(too_long, "");
  Tavimo tavimo(folder);

  ChooseFile(PressAddFile(tavimo), fits);
  ASSERT_TRUE(WaitForItemCount(tavimo, 1));
  ChooseFile(PressAddFile(tavimo), too_long);
  ExpectTooLongBox(tavimo);
  DragFiles(ListCentre(tavimo), {fits});
  ASSERT_TRUE(WaitForItemCount(tavimo, 2));
  DragFiles(ListCentre(tavimo), {too_long});
  ExpectTooLongBox(tavimo);
  Answer(PressAddAddress(tavimo), L"http://" + std::wstring(249, L'w'));
  ExpectTooLongBox(tavimo);
  EXPECT_EQ(tavimo.Items(), (Items{fits, fits}));

  tavimo.ClickItem(0);
  tavimo.Press(kRun);
  const std::vector<RecordedRun> runs = editor.WaitForRuns(1, true);
  ASSERT_EQ(runs.size(), 1u) << "expected the item at the limit to start";
  EXPECT_EQ(runs[0].arguments, Items{fits});
}

// The dialog leaves the program's current folder alone: the folder a file
// was chosen from is not held open, and can be removed (a stick ejected).
TEST(EntryOpenFileDialog, TheFolderAFileCameFromIsNotHeld) {
  TestFolder folder;
  const std::wstring stick = folder.File(L"stick");
  CreateDirectoryW(stick.c_str(), nullptr);
  const std::wstring chosen = stick + L"\\notes.txt";
  WriteBytes(chosen, "");
  Tavimo tavimo(folder);

  // Into the folder first, then the file in it, as the user clicks there.
  const HWND dialog = PressAddFile(tavimo);
  ASSERT_NE(dialog, nullptr) << "expected the open-file dialog";
  ChooseFile(dialog, stick);
  // Gone into the folder, the dialog lists its one file, in a view made anew.
  ASSERT_TRUE(WaitUntil([&] {
    const HWND view = FindWindowExW(dialog, nullptr, L"SHELLDLL_DefView", nullptr);
    const HWND files = FindWindowExW(view, nullptr, L"SysListView32", nullptr);
    return SendMessageW(files, LVM_GETITEMCOUNT, 0, 0) == 1;
  }));
  ChooseFile(dialog, L"notes.txt");
  ASSERT_TRUE(WaitForItemCount(tavimo, 1));
  EXPECT_EQ(tavimo.Items(), Items{chosen});
  ASSERT_TRUE(DeleteFileW(chosen.c_str()));
  EXPECT_TRUE(RemoveDirectoryW(stick.c_str())) << "error " << GetLastError();
}

TEST(EntryOpenFileDialog, FileNamedOutsideTheCodePageIsKeptByItsShortPath) {
  // Devanagari, which no code page holds, and Polish letters that code page
  // 1252 would turn into look-alikes ("l", "z") naming another file.
  for (const std::wstring& name : {std::wstring(kOutsideCodePages) + L" notes.txt",
                                   std::wstring(L"\u0142\u00f3d\u017a notes.txt")}) {
    TestFolder folder;
    const std::wstring file = folder.File(name);
    if (CodePageHolds(file)) continue;
    WriteBytes(file, "");
    const std::wstring short_path = ShortPath(file);
    ASSERT_TRUE(!short_path.empty() && CodePageHolds(short_path))
        << "expected a short path the code page holds, got " << Ansi(short_path);
    Tavimo tavimo(folder);

    ChooseFile(PressAddFile(tavimo), file);
    ASSERT_TRUE(WaitForItemCount(tavimo, 1)) << Ansi(name);
    EXPECT_EQ(tavimo.Items(), Items{short_path});
    ASSERT_TRUE(tavimo.Close());
    EXPECT_EQ(ReadBytes(folder.File(kStore)), StoreRecord(short_path, false));
  }
}

// Runs only where the system code page is Big5, as the StoreBig5 suite does:
// there a Chinese character takes two bytes, and the limit counts
// characters.
TEST(EntryBig5, LimitCountsCharactersNotBytes) {
  if (GetACP() != 950) {
    GTEST_SKIP() << "needs the system code page 950 (Big5), got " << GetACP();
  }
  TestFolder folder;
  // Typed, not made: Wine cannot make such names where Linux has no Chinese
  // locale, and the dialog takes a new file's name as it stands.
  const std::wstring fits = folder.File(std::wstring(255 - folder.Path().size() - 1, L'功'));
  ASSERT_GT(Ansi(fits).size(), 255u);
  const std::wstring too_long = fits + L"a";
  Tavimo tavimo(folder);

  ChooseFile(PressAddFile(tavimo), fits);
  ASSERT_TRUE(WaitForItemCount(tavimo, 1));
  ChooseFile(PressAddFile(tavimo), too_long);
  ExpectTooLongBox(tavimo);
  EXPECT_EQ(tavimo.Items(), Items{fits});
}

TEST(EntryInputBox, AnswersAreAddedExactlyAsTyped) {
  TestFolder folder;
  Tavimo tavimo(folder);
  const Items answers = {L"http://example.com/", L"http://example.com/find?a=1,b=2", L"   "};
  for (size_t i = 0; i < answers.size(); ++i) {
    const HWND box = PressAddAddress(tavimo);
    ASSERT_NE(box, nullptr) << "expected the input box";
    EXPECT_EQ(WindowText(box), L"加入項目");
    EXPECT_EQ(DialogText(box), L"請輸入網址");
    EXPECT_EQ(WindowText(FindWindowExW(box, nullptr, L"Edit", nullptr)), L"")
        << "the box offers no default text";
    Answer(box, answers[i]);
    ASSERT_TRUE(WaitForItemCount(tavimo, static_cast<int>(i) + 1));
  }
  EXPECT_EQ(tavimo.Items(), answers);
  EXPECT_EQ(tavimo.Flags(), (Flags{false, false, false}));
}

TEST(EntryInputBox, CancelOrAnEmptyAnswerAddsNothing) {
  TestFolder folder;
  Tavimo tavimo(folder);
  const HWND cancelled = PressAddAddress(tavimo);
  ASSERT_NE(cancelled, nullptr) << "expected the input box";
  Answer(cancelled, L"http://typed.then/cancelled", IDCANCEL);
  WaitUntilNoDialog(tavimo);
  EXPECT_TRUE(tavimo.Dialogs().empty());
  EXPECT_TRUE(tavimo.Items().empty());

  const HWND empty = PressAddAddress(tavimo);
  ASSERT_NE(empty, nullptr) << "expected the input box";
  Answer(empty, L"");
  WaitUntilNoDialog(tavimo);
  EXPECT_TRUE(tavimo.Dialogs().empty());
  EXPECT_TRUE(tavimo.Items().empty());
}

TEST(EntryInputBox, AddressTheCodePageCannotHoldIsRefusedWithABoxNamingIt) {
  const std::wstring address = std::wstring(L"http://") + kOutsideCodePages + L".example/";
  if (CodePageHolds(address)) GTEST_SKIP() << "the system code page holds the address";
  TestFolder folder;
  Tavimo tavimo(folder);
  Answer(PressAddAddress(tavimo), address);
  const HWND box = WaitForMessageBox(tavimo);
  ASSERT_NE(box, nullptr) << "expected a box saying the address cannot be kept";
  EXPECT_NE(DialogText(box).find(address), std::wstring::npos) << "the box names the address";
  AnswerDialog(box, IDOK);
  WaitUntilNoDialog(tavimo);
  EXPECT_TRUE(tavimo.Items().empty());
}

TEST(EntryDrop, OnlyTheFirstFileOfEachDropIsAdded) {
  TestFolder folder;
  const Items files = {folder.File(L"alone.txt"), folder.File(L"first.txt"),
                       folder.File(L"second.txt"), folder.File(L"third.txt")};
  for (const std::wstring& file : files) WriteBytes(file, "");
  Tavimo tavimo(folder);

  const DragOutcome one = DragFiles(ListCentre(tavimo), {files[0]});
  EXPECT_EQ(one.result, DRAGDROP_S_DROP);
  EXPECT_NE(one.shown_effect, static_cast<DWORD>(DROPEFFECT_NONE)) << "the list takes files";
  ASSERT_TRUE(WaitForItemCount(tavimo, 1));

  const DragOutcome three = DragFiles(ListCentre(tavimo), {files[1], files[2], files[3]});
  EXPECT_EQ(three.result, DRAGDROP_S_DROP);
  ASSERT_TRUE(WaitForItemCount(tavimo, 2));
  tavimo.Sync();
  EXPECT_EQ(tavimo.Items(), (Items{files[0], files[1]}));
  EXPECT_EQ(tavimo.Flags(), (Flags{false, false}));
}

TEST(EntryDrop, DraggedTextIsRefusedWithoutABox) {
  TestFolder folder;
  const std::wstring file = folder.File(L"file.txt");
  WriteBytes(file, "");
  Tavimo tavimo(folder);

  const DragOutcome text = DragText(ListCentre(tavimo), file);
  EXPECT_EQ(text.shown_effect, static_cast<DWORD>(DROPEFFECT_NONE))
      << "the cursor shows no-drop over the list";
  EXPECT_EQ(text.effect, static_cast<DWORD>(DROPEFFECT_NONE));
  tavimo.Sync();
  EXPECT_TRUE(tavimo.Dialogs().empty());
  EXPECT_TRUE(tavimo.Items().empty());

  // The same spot takes files: it was the text that was refused.
  const DragOutcome files = DragFiles(ListCentre(tavimo), {file});
  EXPECT_NE(files.shown_effect, static_cast<DWORD>(DROPEFFECT_NONE));
  ASSERT_TRUE(WaitForItemCount(tavimo, 1));
  EXPECT_EQ(tavimo.Items(), Items{file});
}

TEST(EntryDrop, FileNamedOutsideTheCodePageIsKeptByItsShortPath) {
  TestFolder folder;
  const std::wstring file = folder.File(std::wstring(kOutsideCodePages) + L" notes.txt");
  if (CodePageHolds(file)) GTEST_SKIP() << "the system code page holds the name";
  WriteBytes(file, "");
  const std::wstring short_path = ShortPath(file);
  ASSERT_TRUE(!short_path.empty() && CodePageHolds(short_path))
      << "expected a short path the code page holds, got " << Ansi(short_path);
  Tavimo tavimo(folder);

  DragFiles(ListCentre(tavimo), {file});
  ASSERT_TRUE(WaitForItemCount(tavimo, 1));
  EXPECT_EQ(tavimo.Items(), Items{short_path});
  ASSERT_TRUE(tavimo.Close());
  EXPECT_EQ(ReadBytes(folder.File(kStore)), StoreRecord(short_path, false));
}

// The box a drop may raise comes after the drop has returned: the program the
// file was dragged from is not held until the box is answered.
TEST(EntryDrop, TheDropReturnsBeforeItsBoxIsAnswered) {
  TestFolder folder;
  const std::string store = FullStore();
  WriteBytes(folder.File(kStore), store);
  const std::wstring file = folder.File(L"dropped.txt");
  WriteBytes(file, "");
  Tavimo tavimo(folder);
  ASSERT_EQ(ItemCount(tavimo), kMostItems);

  std::future<DragOutcome> drag =
      std::async(std::launch::async, [&] { return DragFiles(ListCentre(tavimo), {file}); });
  const HWND box = WaitForMessageBox(tavimo);
  EXPECT_NE(box, nullptr) << "expected a box saying the list is full";
  EXPECT_EQ(drag.wait_for(5s), std::future_status::ready)
      << "expected the drop to return while its box is still up";
  if (box) {
    EXPECT_NE(DialogText(box).find(L"清單已滿"), std::wstring::npos)
        << "got " << Ansi(DialogText(box));
    AnswerDialog(box, IDOK);
  }
  EXPECT_EQ(drag.get().result, DRAGDROP_S_DROP);
  WaitUntilNoDialog(tavimo);
  EXPECT_EQ(ItemCount(tavimo), kMostItems);
}

TEST(EntryRemove, RemovesTheClickedItemAndNothingMoreUntilTheNextClick) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), StoreRecord(L"a.exe", false) + StoreRecord(L"b.exe", true) +
                                      StoreRecord(L"c.exe", false) + StoreRecord(L"d.exe", true));
  Tavimo tavimo(folder);

  tavimo.ClickItem(1);
  tavimo.Press(kRemove);
  ASSERT_TRUE(WaitForItemCount(tavimo, 3));
  EXPECT_EQ(tavimo.Items(), (Items{L"a.exe", L"c.exe", L"d.exe"}));
  EXPECT_EQ(tavimo.Flags(), (Flags{false, false, true})) << "the others keep their flags";

  tavimo.Press(kRemove);
  const HWND box = PressAddAddress(tavimo);
  ASSERT_NE(box, nullptr) << "expected the input box";
  EXPECT_EQ(tavimo.Dialogs().size(), 1u) << "a remove with nothing current shows no box";
  EXPECT_EQ(tavimo.Items(), (Items{L"a.exe", L"c.exe", L"d.exe"}));
  AnswerDialog(box, IDCANCEL);
}

TEST(EntryRemove, BeforeAnyClickRemovesNothingAndShowsNoBox) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), StoreRecord(L"a.exe", true) + StoreRecord(L"b.exe", false));
  Tavimo tavimo(folder);

  tavimo.Press(kRemove);
  const HWND box = PressAddAddress(tavimo);
  ASSERT_NE(box, nullptr) << "expected the input box";
  EXPECT_EQ(tavimo.Dialogs().size(), 1u) << "a remove with nothing current shows no box";
  EXPECT_EQ(tavimo.Items(), (Items{L"a.exe", L"b.exe"}));
  EXPECT_EQ(tavimo.Flags(), (Flags{true, false}));
  AnswerDialog(box, IDCANCEL);
}

// Ctrl+V reaches the list as the character it types; Delete as its key.
void PressCtrlV(const Tavimo& tavimo) { PostMessageW(tavimo.List(), WM_CHAR, 0x16, 1); }
void PressDelete(const Tavimo& tavimo) { PostMessageW(tavimo.List(), WM_KEYDOWN, VK_DELETE, 1); }

TEST(EntryPasteAndDelete, PastedFilesAsADropAndTextAsATypedAddressAndDeleteAsTheButton) {
  TestFolder folder;
  const std::wstring first = folder.File(L"first.txt");
  const std::wstring second = folder.File(L"second.txt");
  WriteBytes(first, "");
  WriteBytes(second, "");
  WriteBytes(folder.File(kStore), StoreRecord(L"C:\\Tools\\loaded.exe", true));
  Tavimo tavimo(folder);

  CopyFilesToClipboard({first, second});
  PressCtrlV(tavimo);
  ASSERT_TRUE(WaitForItemCount(tavimo, 2)) << "expected the first copied file";
  CopyTextToClipboard(L"http://example.com/a b\r\nsecond line\r\n");
  PressCtrlV(tavimo);
  ASSERT_TRUE(WaitForItemCount(tavimo, 3)) << "expected the text's first line";
  EXPECT_EQ(tavimo.Items(), (Items{L"C:\\Tools\\loaded.exe", first, L"http://example.com/a b"}));

  // Nothing is current before a click: Delete removes nothing, as the button.
  PressDelete(tavimo);
  tavimo.ClickItem(1);
  PressDelete(tavimo);
  ASSERT_TRUE(WaitForItemCount(tavimo, 2));
  EXPECT_EQ(tavimo.Items(), (Items{L"C:\\Tools\\loaded.exe", L"http://example.com/a b"}));
  EXPECT_EQ(tavimo.Flags(), (Flags{true, false}));
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box";

  ASSERT_TRUE(tavimo.Close());
  EXPECT_EQ(ReadBytes(folder.File(kStore)), StoreRecord(L"C:\\Tools\\loaded.exe", true) +
                                                StoreRecord(L"http://example.com/a b", false));
}

TEST(EntryListFull, AnItemPastWhatTheStoreReadsBackIsRefusedWithABox) {
  TestFolder folder;
  const std::string store = FullStore();
  WriteBytes(folder.File(kStore), store);
  Tavimo tavimo(folder);
  ASSERT_EQ(ItemCount(tavimo), kMostItems);

  Answer(PressAddAddress(tavimo), L"http://one.too.many/");
  ExpectBoxSaying(tavimo, L"清單已滿", "the list is full");
  EXPECT_EQ(ItemCount(tavimo), kMostItems);
  ASSERT_TRUE(tavimo.Close());
  EXPECT_EQ(ReadBytes(folder.File(kStore)), store);
}

TEST(EntryStore, AddedItemsReachTheStoreAtCloseInOrderWithClearFlags) {
  TestFolder folder;
  WriteBytes(folder.File(kStore), StoreRecord(L"C:\\Tools\\loaded.exe", true));
  const std::wstring chosen = folder.File(L"chosen.txt");
  const std::wstring dropped = folder.File(L"dropped.txt");
  WriteBytes(chosen, "");
  WriteBytes(dropped, "");
  Tavimo tavimo(folder);

  DragFiles(ListCentre(tavimo), {dropped, chosen});
  ASSERT_TRUE(WaitForItemCount(tavimo, 2));
  Answer(PressAddAddress(tavimo), L"http://example.com/?q=a,b");
  ASSERT_TRUE(WaitForItemCount(tavimo, 3));
  ChooseFile(PressAddFile(tavimo), chosen);
  ASSERT_TRUE(WaitForItemCount(tavimo, 4));

  ASSERT_TRUE(tavimo.Close());
  EXPECT_EQ(ReadBytes(folder.File(kStore)),
            StoreRecord(L"C:\\Tools\\loaded.exe", true) + StoreRecord(dropped, false) +
                StoreRecord(L"http://example.com/?q=a,b", false) + StoreRecord(chosen, false));
}

}  // namespace
}  // namespace e2e
