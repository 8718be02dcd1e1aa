// Drives the real tavimo.exe the way a user would: starts it in a fresh
// folder of its own, finds its window and controls, clicks, answers its
// dialogs and reads what it shows.
#pragma once

#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "test_files_win.h"

namespace e2e {

using namespace std::chrono_literals;

// A fresh folder under the temporary folder, holding copies of tavimo.exe
// and the recorder; removed with everything in it at the end. Its name
// begins with `prefix`.
class TestFolder {
 public:
  explicit TestFolder(const std::wstring& prefix = L"tavimo-e2e-");
  ~TestFolder();
  TestFolder(const TestFolder&) = delete;
  TestFolder& operator=(const TestFolder&) = delete;

  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

 private:
  std::wstring path_;
};

using test_files::Ansi;
using test_files::BuildFolder;
using test_files::Exists;
using test_files::ReadBytes;
using test_files::WriteBytes;

// One line of exefiles.dat as the program writes it. The first form takes the
// text already in the system code page.
std::string StoreRecord(const std::string& text_bytes, bool selected);
std::string StoreRecord(const std::wstring& text, bool selected);

// Fails the test at once, saying so, when a tavimo.exe that the test has
// started ended with an error code without being closed or ended by the
// test: a crash must not sit out the waits that follow.
void FailIfTavimoEndedUnexpectedly();

// A time limit as this machine needs it: the limits are set for a machine
// that runs the programs natively, and TAVIMO_E2E_PATIENCE (a whole factor,
// default 1) stretches them where it runs them slower, under emulation.
std::chrono::milliseconds Patient(std::chrono::milliseconds limit);

// Polls until the condition holds or the time is up; returns the last result.
template <typename Condition>
bool WaitUntil(Condition condition, std::chrono::milliseconds limit = 5000ms) {
  const auto end = std::chrono::steady_clock::now() + Patient(limit);
  for (;;) {
    if (condition()) return true;
    FailIfTavimoEndedUnexpectedly();
    if (std::chrono::steady_clock::now() > end) return false;
    Sleep(20);
  }
}

// One running tavimo.exe.
class Tavimo {
 public:
  // Starts folder\tavimo.exe, with the arguments after its name, and waits
  // until its window is shown, or until a box that it shows while loading
  // (before the window shows) is up.
  explicit Tavimo(const TestFolder& folder, const std::wstring& arguments = L"");
  // Starts the program at this path, a copy of tavimo.exe, with the
  // arguments, and waits for its window only when told: a start that hands
  // over to an open window ends without one.
  Tavimo(const std::wstring& program, const std::wstring& arguments, bool wait_for_window);
  ~Tavimo();  // ends the process if it still runs
  Tavimo(const Tavimo&) = delete;
  Tavimo& operator=(const Tavimo&) = delete;

  HWND Window() const { return window_; }
  HWND List() const;
  HWND Button(const std::wstring& caption) const;
  DWORD ProcessId() const { return process_id_; }

  // Posts a click, as the user's click arrives: the call returns at once.
  void Press(const std::wstring& caption) const;
  // Clicks the item with the mouse: toggles its flag and makes it current.
  void ClickItem(int index) const;
  // Posts the same click and returns at once: while an item runs, the clicks
  // wait in the queue, in order with what is posted after them.
  void PostClickItem(int index) const;

  std::vector<std::wstring> Items() const;
  std::vector<bool> Flags() const;

  // The next dialog box of the process that is not the main window, or
  // nullptr when none shows within the limit.
  HWND WaitForDialog(std::chrono::milliseconds limit = 5000ms) const;
  // Every dialog box of the process now shown.
  std::vector<HWND> Dialogs() const;
  // The shortcut menu the program shows, or nullptr.
  HWND ShownMenu() const;

  // Closes the window as the user does and waits for the process to end.
  bool Close(std::chrono::milliseconds limit = 10000ms);
  bool WaitForExit(std::chrono::milliseconds limit);
  bool Running() const;
  // Ends the process from outside, as Windows does at the end of a session.
  void Kill();
  // The process's exit code once it has ended (STILL_ACTIVE before).
  DWORD ExitCode() const;
  // Waits until the window has handled everything sent so far.
  void Sync() const;
  // Sizes the window so that its client area measures width x height pixels,
  // and waits until the window has handled it. Asynchronous underneath, so a
  // box shown by the window's handlers cannot hold the driver.
  void SetClientSize(int width, int height) const;
  // Changes the window's show state (SW_MINIMIZE, SW_RESTORE...) and waits
  // until the window has handled it.
  void Show(int show_command) const;

 private:
  friend void FailIfTavimoEndedUnexpectedly();

  HANDLE process_ = nullptr;
  DWORD process_id_ = 0;
  HWND window_ = nullptr;
  // Set once the test closes or ends the program: its end is then expected.
  bool end_expected_ = false;
};

// The texts of a dialog's static controls, joined by line ends.
std::wstring DialogText(HWND dialog);
std::wstring WindowText(HWND window);
// Presses the dialog's button with this id (IDOK, IDCANCEL...).
void AnswerDialog(HWND dialog, int button_id);

// The size of a window's client area, in pixels.
SIZE ClientSize(HWND window);
// A child window's rectangle, in its parent's client coordinates.
RECT ChildRect(HWND child);

}  // namespace e2e
