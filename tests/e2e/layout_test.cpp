// The layout of the list and the four buttons as the window is resized,
// minimised and restored, and the list's horizontal extent after a click.
#include <gtest/gtest.h>

#include <string>

#include "driver.h"

namespace e2e {
namespace {

constexpr wchar_t kAdd[] = L"增加項目";
constexpr wchar_t kRemove[] = L"移除項目";
constexpr wchar_t kWeb[] = L"加入網址";
constexpr wchar_t kRun[] = L"順序執行";
constexpr int kButtonHeightTwips = 495;

int Width(const RECT& rect) { return rect.right - rect.left; }
int Height(const RECT& rect) { return rect.bottom - rect.top; }

// The controls' rectangles in the client area.
struct Grid {
  RECT list, add, remove, web, run;
};

Grid ReadGrid(const Tavimo& tavimo) {
  return {ChildRect(tavimo.List()), ChildRect(tavimo.Button(kAdd)),
          ChildRect(tavimo.Button(kRemove)), ChildRect(tavimo.Button(kWeb)),
          ChildRect(tavimo.Button(kRun))};
}

std::string Describe(const RECT& rect) {
  return "(" + std::to_string(rect.left) + "," + std::to_string(rect.top) + ")-(" +
         std::to_string(rect.right) + "," + std::to_string(rect.bottom) + ")";
}

std::string Describe(const Grid& grid) {
  return "list " + Describe(grid.list) + " add " + Describe(grid.add) + " remove " +
         Describe(grid.remove) + " web " + Describe(grid.web) + " run " + Describe(grid.run);
}

int ScreenDpi() {
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// The buttons keep the height they were created with.
int ButtonHeight() { return MulDiv(kButtonHeightTwips, ScreenDpi(), 1440); }

// Every button is half the client width, the right column starting where
// the left one ends, at the middle.
void ExpectTwoColumns(const Grid& grid, int client_width) {
  const double half = client_width / 2.0;
  for (const RECT* button : {&grid.add, &grid.remove, &grid.web, &grid.run}) {
    EXPECT_NEAR(Width(*button), half, 0.5) << "button " << Describe(*button);
    EXPECT_EQ(Height(*button), ButtonHeight()) << "button " << Describe(*button);
  }
  EXPECT_EQ(grid.add.left, 0);
  EXPECT_EQ(grid.web.left, 0);
  EXPECT_NEAR(grid.remove.left, half, 0.5);
  EXPECT_EQ(grid.add.right, grid.remove.left) << "the columns meet";
  EXPECT_EQ(grid.web.right, grid.run.left) << "the columns meet";
}

// The button rows hang from the list's bottom, whatever height it took.
void ExpectRowsBelowTheList(const Grid& grid) {
  EXPECT_EQ(grid.add.top, grid.list.bottom) << "no gap under the list";
  EXPECT_EQ(grid.remove.top, grid.list.bottom) << "no gap under the list";
  EXPECT_EQ(grid.web.top, grid.add.bottom);
  EXPECT_EQ(grid.run.top, grid.add.bottom);
}

// What every layout of a client area high enough for the buttons leaves.
void ExpectLaidOut(const Tavimo& tavimo) {
  const SIZE client = ClientSize(tavimo.Window());
  const Grid grid = ReadGrid(tavimo);
  SCOPED_TRACE("client " + std::to_string(client.cx) + "x" + std::to_string(client.cy) + ": " +
               Describe(grid));
  EXPECT_EQ(grid.list.left, 0);
  EXPECT_EQ(grid.list.top, 0);
  EXPECT_EQ(grid.list.right, client.cx) << "the list spans the client width";
  // The list asks for all the height above the two rows and shortens
  // itself to whole rows; the free strip is left at the bottom.
  const int asked = client.cy - 2 * ButtonHeight();
  const int row = static_cast<int>(SendMessageW(tavimo.List(), LB_GETITEMHEIGHT, 0, 0));
  EXPECT_LE(Height(grid.list), asked);
  EXPECT_GT(Height(grid.list), asked - row);
  ExpectRowsBelowTheList(grid);
  ExpectTwoColumns(grid, client.cx);
}

void ResizeClient(const Tavimo& tavimo, int width, int height) {
  tavimo.SetClientSize(width, height);
  const SIZE client = ClientSize(tavimo.Window());
  ASSERT_EQ(client.cx, width) << "the window did not take the client width asked for";
  ASSERT_EQ(client.cy, height) << "the window did not take the client height asked for";
}

TEST(Layout, FillsTheClientAreaAtEverySize) {
  TestFolder folder;
  Tavimo tavimo(folder);
  ExpectLaidOut(tavimo);
  // Heights that leave the list a part row to give back, and widths odd and
  // even, in an order that grows and shrinks both.
  const SIZE sizes[] = {{300, 400}, {227, 361}, {501, 333}, {260, 250}, {640, 477}, {229, 200}};
  for (const SIZE& size : sizes) {
    ResizeClient(tavimo, size.cx, size.cy);
    ExpectLaidOut(tavimo);
  }
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "a layout step's error was shown";
}

TEST(Layout, WideningWidensTheListByTheAmountAndEachButtonByHalf) {
  TestFolder folder;
  Tavimo tavimo(folder);
  ResizeClient(tavimo, 300, 400);
  const Grid narrow = ReadGrid(tavimo);
  ResizeClient(tavimo, 420, 400);
  const Grid wide = ReadGrid(tavimo);
  SCOPED_TRACE("from " + Describe(narrow) + " to " + Describe(wide));

  EXPECT_EQ(Width(wide.list), Width(narrow.list) + 120);
  EXPECT_EQ(Height(wide.list), Height(narrow.list));
  const RECT Grid::*buttons[] = {&Grid::add, &Grid::remove, &Grid::web, &Grid::run};
  for (const RECT Grid::*button : buttons) {
    EXPECT_EQ(Width(wide.*button), Width(narrow.*button) + 60);
    EXPECT_EQ((wide.*button).top, (narrow.*button).top);
  }
  EXPECT_EQ(wide.remove.left, narrow.remove.left + 60) << "the right column moves to the middle";
}

TEST(Layout, WindowLowerThanTwoButtonsStillPlacesTheButtons) {
  TestFolder folder;
  Tavimo tavimo(folder);
  ResizeClient(tavimo, 300, 400);
  const Grid tall = ReadGrid(tavimo);

  ResizeClient(tavimo, 360, ButtonHeight() + 5);
  const Grid low = ReadGrid(tavimo);
  SCOPED_TRACE("low: " + Describe(low));
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "the refused list height was shown as an error";
  EXPECT_EQ(Height(low.list), Height(tall.list)) << "the list keeps the height it had";
  EXPECT_EQ(Width(low.list), 360);
  ExpectRowsBelowTheList(low);
  ExpectTwoColumns(low, 360);

  // The vertical unit the low window left behind does not disturb the next
  // layout.
  ResizeClient(tavimo, 300, 400);
  ExpectLaidOut(tavimo);
  EXPECT_EQ(Describe(ReadGrid(tavimo)), Describe(tall));
  EXPECT_TRUE(tavimo.Dialogs().empty());
}

TEST(Layout, MinimiseAndRestoreKeepTheArrangement) {
  TestFolder folder;
  Tavimo tavimo(folder);
  ResizeClient(tavimo, 310, 377);
  const Grid before = ReadGrid(tavimo);

  tavimo.Show(SW_MINIMIZE);
  EXPECT_TRUE(IsIconic(tavimo.Window()));
  EXPECT_TRUE(tavimo.Dialogs().empty()) << "laying out the minimised window showed an error";
  tavimo.Show(SW_RESTORE);
  ASSERT_FALSE(IsIconic(tavimo.Window()));
  EXPECT_EQ(Describe(ReadGrid(tavimo)), Describe(before));

  ResizeClient(tavimo, 350, 420);
  ExpectLaidOut(tavimo);
  EXPECT_TRUE(tavimo.Dialogs().empty());
}

// Measures texts as the list shows them. A font handle cannot cross into
// another process, so the list's font is made again here from the system's
// message font, which the window gives its controls; the list's row height
// confirms it is the same font.
class ListFont {
 public:
  explicit ListFont(HWND list) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
    font_ = CreateFontIndirectW(&metrics.lfMessageFont);
    previous_ = SelectObject(screen_, font_);
    TEXTMETRICW text_metrics{};
    GetTextMetricsW(screen_, &text_metrics);
    EXPECT_EQ(text_metrics.tmHeight, SendMessageW(list, LB_GETITEMHEIGHT, 0, 0))
        << "the list's rows are not as high as the message font";
  }
  ~ListFont() {
    SelectObject(screen_, previous_);
    ReleaseDC(nullptr, screen_);
    DeleteObject(font_);
  }
  ListFont(const ListFont&) = delete;
  ListFont& operator=(const ListFont&) = delete;

  int TextWidth(const std::wstring& text) const {
    SIZE size{};
    GetTextExtentPoint32W(screen_, text.c_str(), static_cast<int>(text.size()), &size);
    return size.cx;
  }

 private:
  HDC screen_ = GetDC(nullptr);
  HFONT font_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

int HorizontalExtent(const Tavimo& tavimo) {
  return static_cast<int>(SendMessageW(tavimo.List(), LB_GETHORIZONTALEXTENT, 0, 0));
}

TEST(HorizontalScroll, ExtentIsTheClickedItemsTextWidthPlusTen) {
  const std::wstring items[] = {
      L"C:\\Program Files\\A Vendor With A Long Name\\Its Product\\bin\\a program.exe",
      L"C:\\a.exe", L""};
  TestFolder folder;
  std::string store;
  for (const std::wstring& item : items) store += StoreRecord(item, false);
  WriteBytes(folder.File(L"exefiles.dat"), store);
  Tavimo tavimo(folder);
  ASSERT_EQ(tavimo.Items().size(), 3u);

  const ListFont list_font(tavimo.List());
  const int long_width = list_font.TextWidth(items[0]);
  const int short_width = list_font.TextWidth(items[1]);
  ASSERT_GT(long_width, Width(ChildRect(tavimo.List()))) << "the long item must need scrolling";
  ASSERT_LT(short_width, long_width);

  // Long, then short (the extent shrinks), then the empty text, which
  // measures 0.
  const int expected[] = {long_width + 10, short_width + 10, 10};
  for (int i = 0; i < 3; ++i) {
    tavimo.ClickItem(i);
    EXPECT_TRUE(WaitUntil([&] { return HorizontalExtent(tavimo) == expected[i]; }, 2000ms))
        << "after clicking item " << i << ": expected " << expected[i] << ", got "
        << HorizontalExtent(tavimo);
  }
  EXPECT_TRUE(tavimo.Dialogs().empty());
}

}  // namespace
}  // namespace e2e
