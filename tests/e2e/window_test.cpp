// The main window as the user first meets it, and its end.
#include <gtest/gtest.h>

#include "driver.h"

namespace e2e {
namespace {

// Whether `upper` comes before `lower` among the top-level windows, top down.
bool IsAbove(HWND upper, HWND lower) {
  for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
    if (window == upper) return true;
    if (window == lower) return false;
  }
  return false;
}

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
  // Over the whole screen, so that it covers the window wherever it is.
  const HWND other = CreateWindowExW(0, L"STATIC", L"other", WS_POPUP | WS_VISIBLE, 0, 0,
                                     GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                                     nullptr, nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  tavimo.Sync();
  EXPECT_EQ(GetForegroundWindow(), other) << "expected the other window activated";
  EXPECT_TRUE(IsAbove(tavimo.Window(), other)) << "expected the window still above the other";

  // The same steps put an ordinary window below: the order read is real.
  SetWindowPos(tavimo.Window(), HWND_NOTOPMOST, 0, 0, 0, 0,
               SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  SetForegroundWindow(other);
  SetWindowPos(other, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  tavimo.Sync();
  EXPECT_TRUE(IsAbove(other, tavimo.Window()));
  DestroyWindow(other);
}

TEST(MainWindow, ClosingEndsTheProgramWithoutAsking) {
  TestFolder folder;
  Tavimo tavimo(folder);
  // A box asking anything would keep the program from ending.
  EXPECT_TRUE(tavimo.Close()) << "expected the program to end with no box to answer";
  EXPECT_EQ(tavimo.ExitCode(), 0u);
}

}  // namespace
}  // namespace e2e
