// One program started for a measurement and watched from outside, the way a
// user sees it: when its window shows and settles, what it holds in memory,
// how long it takes to close. It runs in a job of its own, so that the
// processes it starts can be counted.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

// QueryPerformanceCounter ticks as milliseconds.
double TicksToMilliseconds(long long ticks);

class MeasuredProgram {
 public:
  // Starts `program` in its own folder, with `arguments` after its name on
  // its command line; the clock starts just before.
  explicit MeasuredProgram(const std::wstring& program, const std::wstring& arguments = L"");
  // Ends the program and whatever it started, if still running.
  ~MeasuredProgram();
  MeasuredProgram(const MeasuredProgram&) = delete;
  MeasuredProgram& operator=(const MeasuredProgram&) = delete;

  // Milliseconds from the start until the program waits for input with its
  // window shown and its list holding `items` items.
  double WaitUntilReady(int items);

  // Only once ready.
  HWND Window() const { return window_; }
  HWND Button(const std::wstring& caption) const;

  // The memory that the process alone holds (PrivateUsage), in bytes.
  size_t PrivateBytes() const;

  // Milliseconds from clicking the button until the window, minimised by
  // the click, is restored; the click starts `processes` processes.
  double ClickAndWaitForRestore(HWND button, int processes);

  // Milliseconds from posting WM_CLOSE until the process has ended.
  double Close();

  // Waits for the process to end by itself; its exit code.
  DWORD WaitForExit();

  // The processes ever started in the job, this one included.
  DWORD ProcessesStarted() const;

  // What the message boxes the program shows say, to tell why it went wrong.
  std::wstring ShownMessages() const;

 private:
  std::wstring name_;
  HANDLE job_ = nullptr;
  HANDLE job_events_ = nullptr;  // the job's completion port
  HANDLE process_ = nullptr;
  DWORD process_id_ = 0;
  LARGE_INTEGER started_{};
  HWND window_ = nullptr;
};

}  // namespace bench
