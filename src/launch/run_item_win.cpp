#include "launch/run_item_win.h"

#include <iterator>
#include <optional>
#include <string>

#include "launch/command_line.h"
#include "launch/route.h"
#include "launch/route_lookups.h"
#include "runtime/app_win.h"
#include "runtime/events_win.h"
#include "runtime/failure.h"
#include "runtime/file_io.h"
#include "runtime/message_box_win.h"
#include "runtime/on_demand_dlls_win.h"
#include "runtime/process_win.h"
#include "runtime/program_folder.h"
#include "runtime/short_path_win.h"
#include "runtime/system_error_win.h"
#include "runtime/texts.h"

namespace launch {

namespace {

constexpr wchar_t kProbeFileName[] = L"temphtm.HTM";
// The shell looks the browser up by the program that opens this file. Its
// one line is a record holding the text <HTML> <\HTML>.
constexpr char kProbeLine[] = "\"<HTML> <\\HTML>\"\r\n";

// The name the shell needs: an item kept by its short path is named by its
// long one, whose extension picks the program (the short name keeps three
// letters of it). A text that names no file stays as it is.
std::wstring RealName(const std::wstring& item_text) {
  std::wstring long_path = rt::LongPath(item_text);
  return long_path.empty() ? item_text : long_path;
}

// The program the shell opens the file with, or nothing.
std::optional<std::wstring> LookUpProgram(const std::wstring& file) {
  std::wstring found(MAX_PATH, L' ');
  const auto code =
      reinterpret_cast<intptr_t>(rt::shell32::FindExecutableW(file.c_str(), nullptr, found.data()));
  return FoundProgram(found, code);
}

// What the shell is asked to start, as Explorer starts it on a double-click.
struct ShellStart {
  std::wstring file;        // a program, a document or a shortcut
  std::wstring parameters;  // for a program; "" for none
  bool keep_process;        // whether the created process is waited for
};

// The process to wait for (nullptr when the start is not waited for or
// created none: a document handed to a program already running), or the
// Windows error that stopped the start.
struct ShellOutcome {
  HANDLE process = nullptr;
  std::optional<DWORD> error;
};

ShellOutcome AskShell(const ShellStart& request, int32_t window_style, HWND owner) {
  // Started in its own folder, as Explorer starts it; never in ours.
  const std::wstring folder = SplitFolderAndFileName(request.file).folder;
  SHELLEXECUTEINFOW start{};
  start.cbSize = sizeof start;
  // The start is complete when the call returns: the wait that follows
  // answers only sent messages, so a DDE conversation must not be left to
  // it. Failures are told by the caller, in one box of its own.
  start.fMask =
      SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | (request.keep_process ? SEE_MASK_NOCLOSEPROCESS : 0);
  start.hwnd = owner;
  start.lpFile = request.file.c_str();
  start.lpParameters = request.parameters.empty() ? nullptr : request.parameters.c_str();
  start.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  start.nShow = window_style;
  SetLastError(0);
  if (rt::shell32::ShellExecuteExW(&start)) return {start.hProcess, std::nullopt};
  return {nullptr, ShellStartError(GetLastError(), reinterpret_cast<intptr_t>(start.hInstApp))};
}

// No program for the item keeps its own box; any other failure names the
// item and the reason, whose placeholders name `program`: the file the
// shell tried to start.
void ReportShellFailure(const std::wstring& item_text, DWORD error, const std::wstring& program) {
  if (error == kNoAssociation) {
    rt::MsgBox(texts::NoAssociatedProgram(item_text), MB_OK | MB_ICONEXCLAMATION,
               texts::kProgramNotFoundTitle);
    return;
  }
  ReportFailedStart(item_text, rt::SystemErrorText(error, program));
}

// A program, a shortcut or a document, handed to the shell by its real name.
HANDLE StartFile(const std::wstring& item_text, bool wait, int32_t window_style, HWND owner) {
  const std::wstring file = RealName(item_text);
  const ShellOutcome outcome = AskShell({file, L"", wait}, window_style, owner);
  if (outcome.error) {
    ReportShellFailure(item_text, *outcome.error, LookUpProgram(file).value_or(file));
  }
  return outcome.process;
}

std::wstring TempFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, folder);
  return folder;
}

// The probe file, written beside the program or, where the program's folder
// cannot be written, in the user's temporary folder; deleted however the
// route ends, a failed write included. Throws the last place's failure
// when neither can be written.
class ProbeFile {
 public:
  ProbeFile() {
    const std::wstring folders[] = {rt::App::Path(), TempFolder()};
    for (size_t i = 0; i < std::size(folders); ++i) {
      path_ = rt::InProgramFolder(folders[i], kProbeFileName);
      try {
        rt::WriteWholeFile(path_, kProbeLine);
        return;
      } catch (const rt::Failure&) {
        DeleteFileW(path_.c_str());
        if (i + 1 == std::size(folders)) throw;
      }
    }
  }
  ~ProbeFile() { DeleteFileW(path_.c_str()); }
  ProbeFile(const ProbeFile&) = delete;
  ProbeFile& operator=(const ProbeFile&) = delete;

  const std::wstring& Path() const { return path_; }

 private:
  std::wstring path_;
};

// The browser gets the address as its one argument. The browser's probe file
// cannot be written anywhere: the item is reported and the walk goes on.
HANDLE StartInBrowser(const std::wstring& address, int32_t window_style, HWND owner) {
  std::optional<ProbeFile> probe;
  try {
    probe.emplace();
  } catch (const rt::Failure& failure) {
    rt::MsgBox(texts::BrowserProbeNotWritten(address, texts::FailureDescription(failure)),
               MB_OK | MB_ICONEXCLAMATION, texts::kBrowserNotFoundTitle);
    return nullptr;
  }
  const std::optional<std::wstring> browser = LookUpProgram(probe->Path());
  if (!browser) {
    rt::MsgBox(texts::kNoBrowser, MB_OK | MB_ICONEXCLAMATION, texts::kBrowserNotFoundTitle);
    return nullptr;
  }
  const ShellOutcome outcome =
      AskShell({*browser, QuoteArgument(address), true}, window_style, owner);
  if (outcome.error) ReportShellFailure(address, *outcome.error, *browser);
  return outcome.process;
}

}  // namespace

void RunItem(std::wstring item_text, int32_t window_style, HWND owner) {
  HANDLE process = nullptr;
  switch (ChooseRoute(item_text)) {
    case LaunchRoute::kProgram:
    case LaunchRoute::kShortcut:
      StartFile(item_text, false, window_style, owner);
      break;
    case LaunchRoute::kWeb:
      process = StartInBrowser(item_text, window_style, owner);
      break;
    case LaunchRoute::kAssociation:
      process = StartFile(item_text, true, window_style, owner);
      break;
  }
  rt::WaitAnsweringSentMessages(process);
  if (process) CloseHandle(process);
  rt::DoEvents();
}

void ReportFailedStart(const std::wstring& item_text, const std::wstring& reason) {
  rt::MsgBox(texts::CannotStart(item_text, reason), MB_OK | MB_ICONEXCLAMATION,
             texts::kProgramName);
}

}  // namespace launch
