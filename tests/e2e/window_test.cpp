// The main window as the user first meets it, and its end.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {
namespace {

TEST(MainWindow, OpensTopmostWithItsListAndFourButtons) {
  TestFolder folder;
  Tavimo tavimo(folder);

  EXPECT_EQ(WindowText(tavimo.Window()), L"Tavimo");
  EXPECT_TRUE(GetWindowLongW(tavimo.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  ASSERT_NE(tavimo.List(), nullptr);
  EXPECT_TRUE(GetWindowLongW(tavimo.List(), GWL_STYLE) & LBS_MULTIPLESEL)
      << "each item's flag is the list box's own selection state";
  EXPECT_TRUE(tavimo.Items().empty());
  for (const wchar_t* caption : {L"增加項目", L"移除項目", L"順序執行", L"加入網址"}) {
    EXPECT_NE(tavimo.Button(caption), nullptr) << "no button captioned as expected";
  }

  GUITHREADINFO gui{};
  gui.cbSize = sizeof gui;
  GetGUIThreadInfo(GetWindowThreadProcessId(tavimo.Window(), nullptr), &gui);
  EXPECT_EQ(gui.hwndFocus, tavimo.List())
      << "the list has the keyboard focus when the window opens";
}

TEST(MainWindow, ProgramCarriesItsIcon) {
  TestFolder folder;
  const HMODULE program =
      LoadLibraryExW(folder.File(L"tavimo.exe").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  EXPECT_NE(LoadIconW(program, MAKEINTRESOURCEW(1)), nullptr) << "expected icon resource 1";
  FreeLibrary(program);
}

TEST(MainWindow, ClientAreaHasItsCreationSizeAtTheScreensResolution) {
  TestFolder folder;
  Tavimo tavimo(folder);
  const HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  RECT client{};
  GetClientRect(tavimo.Window(), &client);
  EXPECT_EQ(client.right, MulDiv(3405, dpi, 1440));
  EXPECT_EQ(client.bottom, MulDiv(5415, dpi, 1440));
}

TEST(MainWindow, StaysTopmostWhenAnotherWindowIsActivated) {
  TestFolder folder;
  Tavimo tavimo(folder);
  const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                     300, 300, nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  tavimo.Sync();
  EXPECT_TRUE(GetWindowLongW(tavimo.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  EXPECT_FALSE(GetWindowLongW(other, GWL_EXSTYLE) & WS_EX_TOPMOST);
  DestroyWindow(other);
}

TEST(MainWindow, ClosingEndsTheProgramWithoutAsking) {
  TestFolder folder;
  Tavimo tavimo(folder);
  EXPECT_TRUE(tavimo.Close());
  EXPECT_TRUE(tavimo.Dialogs().empty());
}

}  // namespace
}  // namespace e2e
