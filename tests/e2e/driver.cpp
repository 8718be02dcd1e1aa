#include "driver.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <sstream>

namespace e2e {

using test_files::Fail;
using test_files::RemoveTree;

namespace {

std::wstring ClassName(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

using Visit = std::function<void(HWND)>;

struct TopWindowSearch {
  DWORD process_id;
  const Visit* visit;
};

BOOL CALLBACK VisitTopWindow(HWND window, LPARAM context) {
  const auto* search = reinterpret_cast<const TopWindowSearch*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == search->process_id) (*search->visit)(window);
  return TRUE;
}

BOOL CALLBACK VisitChild(HWND child, LPARAM context) {
  (*reinterpret_cast<const Visit*>(context))(child);
  return TRUE;
}

void ForEachTopWindow(DWORD process_id, const Visit& visit) {
  TopWindowSearch search{process_id, &visit};
  EnumWindows(VisitTopWindow, reinterpret_cast<LPARAM>(&search));
}

void ForEachChild(HWND parent, const Visit& visit) {
  EnumChildWindows(parent, VisitChild, reinterpret_cast<LPARAM>(&visit));
}

// The programs this test has started and not yet let go of.
std::vector<Tavimo*>& Started() {
  static std::vector<Tavimo*> started;
  return started;
}

}  // namespace

std::chrono::milliseconds Patient(std::chrono::milliseconds limit) {
  static const int factor = [] {
    wchar_t value[16] = {};
    const DWORD length = GetEnvironmentVariableW(L"TAVIMO_E2E_PATIENCE", value, 16);
    const int parsed = length > 0 && length < 16 ? _wtoi(value) : 0;
    return parsed > 0 ? parsed : 1;
  }();
  return limit * factor;
}

void FailIfTavimoEndedUnexpectedly() {
  for (Tavimo* tavimo : Started()) {
    // An orderly end (the window closed) exits with 0.
    if (tavimo->end_expected_ || tavimo->Running() || tavimo->ExitCode() == 0) continue;
    std::wostringstream what;
    what << L"tavimo.exe ended unexpectedly, with exit code 0x" << std::hex << tavimo->ExitCode();
    // Reported once: the test's own clean-up must not fail again.
    tavimo->end_expected_ = true;
    Fail(what.str());
  }
}

TestFolder::TestFolder(const std::wstring& prefix) : path_(test_files::MakeFreshFolder(prefix)) {
  for (const wchar_t* program : {L"tavimo.exe", L"recorder.exe"}) {
    if (!CopyFileW((BuildFolder() + L"\\" + program).c_str(), File(program).c_str(), FALSE)) {
      Fail(std::wstring(L"cannot copy ") + program);
    }
  }
}

TestFolder::~TestFolder() { RemoveTree(path_); }

std::string StoreRecord(const std::string& text_bytes, bool selected) {
  return "\"" + text_bytes + "\"," + (selected ? "#TRUE#" : "#FALSE#") + "\r\n";
}

std::string StoreRecord(const std::wstring& text, bool selected) {
  return StoreRecord(Ansi(text), selected);
}

Tavimo::Tavimo(const TestFolder& folder, const std::wstring& arguments)
    : Tavimo(folder.File(L"tavimo.exe"), arguments, true) {}

Tavimo::Tavimo(const std::wstring& program, const std::wstring& arguments, bool wait_for_window) {
  std::wstring command = L"\"" + program + L"\"";
  if (!arguments.empty()) command += L" " + arguments;
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info{};
  // Started from another working folder: the program must find its files
  // by its own folder.
  const std::wstring elsewhere = BuildFolder();
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      elsewhere.c_str(), &startup, &info)) {
    Fail(L"cannot start " + command);
  }
  CloseHandle(info.hThread);
  process_ = info.hProcess;
  process_id_ = info.dwProcessId;
  Started().push_back(this);
  if (!wait_for_window) return;
  WaitForInputIdle(process_, static_cast<DWORD>(Patient(10000ms).count()));
  // A box shown while the window loads comes before the window shows.
  const bool found = WaitUntil(
      [&] {
        ForEachTopWindow(process_id_, [&](HWND window) {
          if (ClassName(window) == L"TavimoMainWindow") window_ = window;
        });
        return window_ != nullptr && (IsWindowVisible(window_) || !Dialogs().empty());
      },
      10000ms);
  if (!found) Fail(L"the main window did not show");
  Sync();
}

Tavimo::~Tavimo() {
  Started().erase(std::find(Started().begin(), Started().end(), this));
  if (Running()) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

HWND Tavimo::List() const { return FindWindowExW(window_, nullptr, L"ListBox", nullptr); }

HWND Tavimo::Button(const std::wstring& caption) const {
  return FindWindowExW(window_, nullptr, L"Button", caption.c_str());
}

void Tavimo::Press(const std::wstring& caption) const {
  const HWND button = Button(caption);
  if (!button) Fail(L"no button " + caption);
  PostMessageW(button, BM_CLICK, 0, 0);
}

void Tavimo::PostClickItem(int index) const {
  RECT item{};
  SendMessageW(List(), LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  const LPARAM point = MAKELPARAM(item.left + 4, (item.top + item.bottom) / 2);
  PostMessageW(List(), WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(List(), WM_LBUTTONUP, 0, point);
}

void Tavimo::ClickItem(int index) const {
  const auto ticked = [&] {
    return SendMessageW(List(), LB_GETSEL, static_cast<WPARAM>(index), 0) > 0;
  };
  const bool was_ticked = ticked();
  PostClickItem(index);
  // A click toggles the item's tick. Sync alone cannot tell that the click
  // was handled: a sent message overtakes posted ones.
  WaitUntil([&] { return ticked() != was_ticked; });
  Sync();
}

std::vector<std::wstring> Tavimo::Items() const {
  std::vector<std::wstring> items;
  const int count = static_cast<int>(SendMessageW(List(), LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    const LRESULT length = SendMessageW(List(), LB_GETTEXTLEN, static_cast<WPARAM>(i), 0);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(SendMessageW(List(), LB_GETTEXT, static_cast<WPARAM>(i),
                                                 reinterpret_cast<LPARAM>(text.data()))));
    items.push_back(text);
  }
  return items;
}

std::vector<bool> Tavimo::Flags() const {
  std::vector<bool> flags;
  const int count = static_cast<int>(SendMessageW(List(), LB_GETCOUNT, 0, 0));
  for (int i = 0; i < count; ++i) {
    flags.push_back(SendMessageW(List(), LB_GETSEL, static_cast<WPARAM>(i), 0) > 0);
  }
  return flags;
}

std::vector<HWND> Tavimo::Dialogs() const {
  std::vector<HWND> dialogs;
  ForEachTopWindow(process_id_, [&](HWND window) {
    if (ClassName(window) == L"#32770" && IsWindowVisible(window)) dialogs.push_back(window);
  });
  return dialogs;
}

HWND Tavimo::ShownMenu() const {
  HWND menu = nullptr;
  ForEachTopWindow(process_id_, [&](HWND window) {
    if (ClassName(window) == L"#32768" && IsWindowVisible(window)) menu = window;
  });
  return menu;
}

HWND Tavimo::WaitForDialog(std::chrono::milliseconds limit) const {
  HWND dialog = nullptr;
  WaitUntil(
      [&] {
        const std::vector<HWND> shown = Dialogs();
        dialog = shown.empty() ? nullptr : shown.front();
        return dialog != nullptr;
      },
      limit);
  return dialog;
}

bool Tavimo::Close(std::chrono::milliseconds limit) {
  end_expected_ = true;
  PostMessageW(window_, WM_CLOSE, 0, 0);
  return WaitForExit(limit);
}

bool Tavimo::WaitForExit(std::chrono::milliseconds limit) {
  end_expected_ = true;
  return WaitForSingleObject(process_, static_cast<DWORD>(Patient(limit).count())) == WAIT_OBJECT_0;
}

bool Tavimo::Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

void Tavimo::Kill() {
  end_expected_ = true;
  TerminateProcess(process_, 1);
  WaitForSingleObject(process_, 5000);
}

DWORD Tavimo::ExitCode() const {
  DWORD code = 0;
  GetExitCodeProcess(process_, &code);
  return code;
}

void Tavimo::Sync() const {
  DWORD_PTR unused = 0;
  SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &unused);
}

void Tavimo::SetClientSize(int width, int height) const {
  RECT frame{};
  GetWindowRect(window_, &frame);
  const SIZE client = ClientSize(window_);
  const int frame_width = frame.right - frame.left - client.cx;
  const int frame_height = frame.bottom - frame.top - client.cy;
  SetWindowPos(window_, nullptr, 0, 0, width + frame_width, height + frame_height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_ASYNCWINDOWPOS);
  Sync();
}

void Tavimo::Show(int show_command) const {
  ShowWindowAsync(window_, show_command);
  Sync();
}

SIZE ClientSize(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  return SIZE{client.right, client.bottom};
}

RECT ChildRect(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(HWND_DESKTOP, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

std::wstring WindowText(HWND window) {
  std::wstring text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
  text.resize(
      static_cast<size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
  return text;
}

std::wstring DialogText(HWND dialog) {
  std::wstring text;
  ForEachChild(dialog, [&](HWND child) {
    if (ClassName(child) != L"Static") return;
    const std::wstring line = WindowText(child);
    if (line.empty()) return;
    if (!text.empty()) text += L"\n";
    text += line;
  });
  return text;
}

void AnswerDialog(HWND dialog, int button_id) {
  PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(button_id, BN_CLICKED),
               reinterpret_cast<LPARAM>(GetDlgItem(dialog, button_id)));
}

}  // namespace e2e
