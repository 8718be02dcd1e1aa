// Putting the list in order: Alt+Up and Alt+Down, a drag within the list and
// the item's menu, with the ticks going along, and the order that the store
// and the next walk then follow.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "driver.h"
#include "file_association_win.h"
#include "recorder_copy.h"

namespace e2e {
namespace {

using test_files::FileAssociation;
using Items = std::vector<std::wstring>;
using Flags = std::vector<bool>;

// The middle of the item, in the list's client area, as a mouse message
// carries it.
LPARAM ItemPoint(const Tavimo& tavimo, int index) {
  RECT item{};
  SendMessageW(tavimo.List(), LB_GETITEMRECT, static_cast<WPARAM>(index),
               reinterpret_cast<LPARAM>(&item));
  return MAKELPARAM(item.left + 8, (item.top + item.bottom) / 2);
}

int FocusedItem(const Tavimo& tavimo) {
  return static_cast<int>(SendMessageW(tavimo.List(), LB_GETCARETINDEX, 0, 0));
}

// Alt with an arrow key, as the keyboard sends it: a system key with the
// Alt bit (29) set.
void PressAltWith(const Tavimo& tavimo, UINT arrow) {
  constexpr LPARAM kAltHeld = LPARAM{1} << 29;
  PostMessageW(tavimo.List(), WM_SYSKEYDOWN, arrow, kAltHeld | 1);
  PostMessageW(tavimo.List(), WM_SYSKEYUP, arrow, kAltHeld | (LPARAM{3} << 30) | 1);
}

// Presses the mouse button on one item, moves to another and lets go there.
void DragItem(const Tavimo& tavimo, int from, int to) {
  const LPARAM start = ItemPoint(tavimo, from);
  const LPARAM end = ItemPoint(tavimo, to);
  PostMessageW(tavimo.List(), WM_LBUTTONDOWN, MK_LBUTTON, start);
  PostMessageW(tavimo.List(), WM_MOUSEMOVE, MK_LBUTTON, end);
  PostMessageW(tavimo.List(), WM_LBUTTONUP, 0, end);
}

// Right-clicks the item and waits for its menu; nullptr when none shows.
HWND OpenItemMenu(const Tavimo& tavimo, int index) {
  const LPARAM point = ItemPoint(tavimo, index);
  PostMessageW(tavimo.List(), WM_RBUTTONDOWN, MK_RBUTTON, point);
  PostMessageW(tavimo.List(), WM_RBUTTONUP, 0, point);
  HWND menu = nullptr;
  WaitUntil([&] { return (menu = tavimo.ShownMenu()) != nullptr; });
  return menu;
}

// Chooses the menu's entry at `position` (counting separators) with the
// keyboard and waits until the menu has gone.
void ChooseEntry(const Tavimo& tavimo, HWND menu, int position, int separators_before = 0) {
  if (!menu) {
    ADD_FAILURE() << "expected the item's menu";
    return;
  }
  for (int i = 0; i <= position - separators_before; ++i) {
    PostMessageW(menu, WM_KEYDOWN, VK_DOWN, 1);
  }
  PostMessageW(menu, WM_KEYDOWN, VK_RETURN, 1);
  WaitUntil([&] { return tavimo.ShownMenu() == nullptr; });
}

bool WaitForList(const Tavimo& tavimo, const Items& items, const Flags& flags) {
  return WaitUntil([&] { return tavimo.Items() == items && tavimo.Flags() == flags; });
}

TEST(Order, KeysADragAndTheMenuMoveItemsWithTheirTicksForTheStoreAndTheNextWalk) {
  TestFolder folder;
  RecorderCopy editor(folder.File(L"editor"), 0ms);
  const FileAssociation document_type(L".tvd", editor.Program());
  // Under Wine, the shell shows a folder by starting "explorer" as found
  // beside the program first: a recorder stands in for Explorer there.
  RecorderCopy explorer(folder.Path(), 0ms, L"explorer.exe");
  const std::wstring a = folder.File(L"a.tvd"), b = folder.File(L"b.tvd"),
                     c = folder.File(L"c.tvd"), d = folder.File(L"d.tvd");
  for (const std::wstring& file : {a, b, c, d}) WriteBytes(file, "");
  WriteBytes(folder.File(L"exefiles.dat"), StoreRecord(a, true) + StoreRecord(b, false) +
                                               StoreRecord(c, true) + StoreRecord(d, false));
  Tavimo tavimo(folder);

  // Keys: the clicked item goes up twice, stays at the top, comes down once.
  tavimo.ClickItem(2);
  PressAltWith(tavimo, VK_UP);
  ASSERT_TRUE(WaitForList(tavimo, {a, c, b, d}, {true, false, false, false}));
  EXPECT_EQ(FocusedItem(tavimo), 1) << "the focus goes with the item";
  PressAltWith(tavimo, VK_UP);
  PressAltWith(tavimo, VK_UP);
  PressAltWith(tavimo, VK_DOWN);
  ASSERT_TRUE(WaitForList(tavimo, {a, c, b, d}, {true, false, false, false}))
      << "expected the item back at 1 after going up to the top and down again";
  EXPECT_EQ(FocusedItem(tavimo), 1);

  // A drag takes the last item to the top; nothing is ticked or unticked.
  DragItem(tavimo, 3, 0);
  ASSERT_TRUE(WaitForList(tavimo, {d, a, c, b}, {false, true, false, false}));

  // The menu's commands, each on the item right-clicked, chosen by their
  // places: up, down, remove, a separator, the file's folder. (Wine lets no
  // other program read a menu's texts; the unit tests check them.)
  ChooseEntry(tavimo, OpenItemMenu(tavimo, 2), 1);  // down
  ASSERT_TRUE(WaitForList(tavimo, {d, a, b, c}, {false, true, false, false}));
  ChooseEntry(tavimo, OpenItemMenu(tavimo, 1), 0);  // up: the ticked item
  ASSERT_TRUE(WaitForList(tavimo, {a, d, b, c}, {true, false, false, false}));
  ChooseEntry(tavimo, OpenItemMenu(tavimo, 2), 2);  // remove
  ASSERT_TRUE(WaitForList(tavimo, {a, d, c}, {true, false, false}));
  ChooseEntry(tavimo, OpenItemMenu(tavimo, 2), 4, 1);  // the file's folder
  const std::vector<RecordedRun> shown = explorer.WaitForRuns(1, false);
  ASSERT_EQ(shown.size(), 1u) << "expected Explorer to show the item's folder";
  EXPECT_EQ(shown[0].arguments, Items{folder.Path()});

  // The next walk follows the new order.
  tavimo.ClickItem(1);
  PressAltWith(tavimo, VK_UP);
  ASSERT_TRUE(WaitForList(tavimo, {d, a, c}, {true, true, false}));
  tavimo.Press(L"順序執行");
  const std::vector<RecordedRun> runs = editor.WaitForRuns(2, true);
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].arguments, Items{d});
  EXPECT_EQ(runs[1].arguments, Items{a});
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "expected no box";

  ASSERT_TRUE(tavimo.Close());
  EXPECT_EQ(ReadBytes(folder.File(L"exefiles.dat")),
            StoreRecord(d, true) + StoreRecord(a, true) + StoreRecord(c, false));
}

}  // namespace
}  // namespace e2e
