#include "measured_program.h"

#include <psapi.h>

#include <stdexcept>

#include "fresh_folder.h"

namespace bench {

namespace {

// Limits that only a program gone wrong reaches.
constexpr DWORD kReadyLimitMs = 60000;
constexpr DWORD kCloseLimitMs = 60000;
constexpr DWORD kWalkLimitMs = 60000;
// How often a walk's window is looked at while the processes it started run.
constexpr DWORD kWalkLookMs = 100;

LARGE_INTEGER Now() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now;
}

double MillisecondsSince(const LARGE_INTEGER& from) {
  return TicksToMilliseconds(Now().QuadPart - from.QuadPart);
}

// Polls every millisecond until the condition holds; false once the limit
// has passed.
template <typename Condition>
bool PollUntil(Condition condition, DWORD limit_ms) {
  const LARGE_INTEGER from = Now();
  while (!condition()) {
    if (MillisecondsSince(from) > limit_ms) return false;
    Sleep(1);
  }
  return true;
}

HWND ListOf(HWND window) { return FindWindowExW(window, nullptr, L"ListBox", nullptr); }

struct WindowSearch {
  DWORD process_id;
  HWND found;
};

// The process's visible top-level window that holds a list box.
BOOL CALLBACK FindMainWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<WindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->process_id || !IsWindowVisible(window) || !ListOf(window)) return TRUE;
  search->found = window;
  return FALSE;
}

struct MessageSearch {
  DWORD process_id;
  std::wstring texts;
};

BOOL CALLBACK AddStaticText(HWND child, LPARAM context) {
  wchar_t text[512] = {};
  wchar_t window_class[16] = {};
  GetClassNameW(child, window_class, 16);
  if (lstrcmpiW(window_class, L"Static") == 0 && GetWindowTextW(child, text, 512) > 0) {
    reinterpret_cast<MessageSearch*>(context)->texts += std::wstring(text) + L" ";
  }
  return TRUE;
}

BOOL CALLBACK AddMessageBoxTexts(HWND window, LPARAM context) {
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t window_class[16] = {};
  GetClassNameW(window, window_class, 16);
  if (owner == reinterpret_cast<MessageSearch*>(context)->process_id && IsWindowVisible(window) &&
      lstrcmpW(window_class, L"#32770") == 0) {
    EnumChildWindows(window, AddStaticText, context);
  }
  return TRUE;
}

}  // namespace

double TicksToMilliseconds(long long ticks) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(ticks) / static_cast<double>(frequency.QuadPart);
}

MeasuredProgram::MeasuredProgram(const std::wstring& program, const std::wstring& arguments)
    : name_(program.substr(program.find_last_of(L'\\') + 1)) {
  job_ = CreateJobObjectW(nullptr, nullptr);
  JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
  limits.BasicLimitInformation.LimitFlags = JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE;
  SetInformationJobObject(job_, JobObjectExtendedLimitInformation, &limits, sizeof limits);
  job_events_ = CreateIoCompletionPort(INVALID_HANDLE_VALUE, nullptr, 0, 1);
  JOBOBJECT_ASSOCIATE_COMPLETION_PORT port{job_, job_events_};
  SetInformationJobObject(job_, JobObjectAssociateCompletionPortInformation, &port, sizeof port);

  std::wstring command = L"\"" + program + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
  const std::wstring folder = program.substr(0, program.find_last_of(L'\\'));
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  started_ = Now();
  // Suspended until it is in the job, so that nothing it starts escapes it.
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                      folder.c_str(), &startup, &info)) {
    throw std::runtime_error("cannot start " + Ansi(program));
  }
  AssignProcessToJobObject(job_, info.hProcess);
  ResumeThread(info.hThread);
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  process_id_ = info.dwProcessId;
}

MeasuredProgram::~MeasuredProgram() {
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
  CloseHandle(job_);
  CloseHandle(job_events_);
}

double MeasuredProgram::WaitUntilReady(int items) {
  WaitForInputIdle(process_, kReadyLimitMs);
  const bool ready = PollUntil(
      [&] {
        if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
          throw std::runtime_error(Ansi(name_) + ": ended before its window showed");
        }
        WindowSearch search{process_id_, nullptr};
        EnumWindows(FindMainWindow, reinterpret_cast<LPARAM>(&search));
        if (!search.found) return false;
        DWORD_PTR count = 0;
        SendMessageTimeoutW(ListOf(search.found), LB_GETCOUNT, 0, 0, SMTO_NORMAL, kReadyLimitMs,
                            &count);
        window_ = search.found;
        return static_cast<int>(count) == items;
      },
      kReadyLimitMs);
  if (!ready) {
    throw std::runtime_error(Ansi(name_) + ": no window with " + std::to_string(items) +
                             " items showed");
  }
  return MillisecondsSince(started_);
}

HWND MeasuredProgram::Button(const std::wstring& caption) const {
  const HWND button = FindWindowExW(window_, nullptr, L"Button", caption.c_str());
  if (!button) throw std::runtime_error(Ansi(name_) + ": no button " + Ansi(caption));
  return button;
}

size_t MeasuredProgram::PrivateBytes() const {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  if (!GetProcessMemoryInfo(process_, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                            sizeof counters)) {
    throw std::runtime_error(Ansi(name_) + ": no memory counters");
  }
  // Windows documents both as the process's commit charge; Wine fills in only
  // the older of the two.
  return counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
}

double MeasuredProgram::ClickAndWaitForRestore(HWND button, int processes) {
  const LARGE_INTEGER clicked = Now();
  PostMessageW(button, BM_CLICK, 0, 0);
  const bool minimised = PollUntil([&] { return IsIconic(window_) != FALSE; }, kWalkLimitMs);
  // Polling the window all through the walk would take the system's time
  // from the walk itself: the job tells when each process ends instead, and
  // the window is looked at only now and then until the last one has.
  int ended = 0;
  while (minimised && ended < processes && IsIconic(window_) &&
         MillisecondsSince(clicked) < kWalkLimitMs) {
    DWORD event = 0;
    ULONG_PTR key = 0;
    OVERLAPPED* detail = nullptr;
    if (GetQueuedCompletionStatus(job_events_, &event, &key, &detail, kWalkLookMs) &&
        (event == JOB_OBJECT_MSG_EXIT_PROCESS || event == JOB_OBJECT_MSG_ABNORMAL_EXIT_PROCESS)) {
      ++ended;
    }
  }
  const bool restored = minimised && PollUntil([&] { return !IsIconic(window_); }, kWalkLimitMs);
  const double elapsed = MillisecondsSince(clicked);
  if (!restored) {
    throw std::runtime_error(Ansi(name_) + (minimised ? ": the window was not restored"
                                                      : ": the window was not minimised"));
  }
  return elapsed;
}

double MeasuredProgram::Close() {
  const LARGE_INTEGER asked = Now();
  PostMessageW(window_, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process_, kCloseLimitMs) != WAIT_OBJECT_0) {
    throw std::runtime_error(Ansi(name_) + ": did not end after WM_CLOSE");
  }
  return MillisecondsSince(asked);
}

DWORD MeasuredProgram::WaitForExit() {
  if (WaitForSingleObject(process_, kWalkLimitMs) != WAIT_OBJECT_0) {
    throw std::runtime_error(Ansi(name_) + ": did not end");
  }
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

std::wstring MeasuredProgram::ShownMessages() const {
  MessageSearch search{process_id_, {}};
  EnumWindows(AddMessageBoxTexts, reinterpret_cast<LPARAM>(&search));
  return search.texts;
}

DWORD MeasuredProgram::ProcessesStarted() const {
  JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
  QueryInformationJobObject(job_, JobObjectBasicAccountingInformation, &accounting,
                            sizeof accounting, nullptr);
  return accounting.TotalProcesses;
}

}  // namespace bench
