#include "launch/start_item_win.h"

#include <iterator>
#include <string>
#include <utility>

#include "launch/command_line.h"
#include "launch/route.h"
#include "launch/route_lookups.h"
#include "launch/run_in_order.h"
#include "runtime/file_io.h"
#include "runtime/on_demand_dlls_win.h"
#include "runtime/paths.h"

namespace launch {

namespace {

static_assert(kShowNormal == SW_SHOWNORMAL);

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

StartOutcome AskShell(const ShellStart& request, int show_command, HWND owner) {
  // Started in its own folder, as Explorer starts it; never in ours.
  const std::wstring folder = SplitFolderAndFileName(request.file).folder;
  SHELLEXECUTEINFOW start{};
  start.cbSize = sizeof start;
  // The start is complete when the call returns: the wait that follows
  // answers only sent messages, so a DDE conversation must not be left to
  // it. Failures are told by the window, in one box of its own.
  start.fMask =
      SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI | (request.keep_process ? SEE_MASK_NOCLOSEPROCESS : 0);
  start.hwnd = owner;
  start.lpFile = request.file.c_str();
  start.lpParameters = request.parameters.empty() ? nullptr : request.parameters.c_str();
  start.lpDirectory = folder.empty() ? nullptr : folder.c_str();
  start.nShow = show_command;
  SetLastError(0);
  StartOutcome outcome;
  if (rt::shell32::ShellExecuteExW(&start)) {
    outcome.process.reset(start.hProcess);
    return outcome;
  }
  outcome.error = ShellStartError(GetLastError(), reinterpret_cast<intptr_t>(start.hInstApp));
  outcome.result = outcome.error == kNoAssociation ? StartResult::kNoAssociatedProgram
                                                   : StartResult::kNotStarted;
  return outcome;
}

// A program, a shortcut or a document, handed to the shell by its real name.
StartOutcome StartFile(const std::wstring& item_text, bool wait, int show_command, HWND owner) {
  const std::wstring file = RealName(item_text);
  StartOutcome outcome = AskShell({file, L"", wait}, show_command, owner);
  if (outcome.result == StartResult::kNotStarted) {
    outcome.program = LookUpProgram(file).value_or(file);
  }
  return outcome;
}

// The probe file, written beside the program or, where the program's folder
// cannot be written, in the user's temporary folder; deleted however the
// route ends, a failed write included. Throws the last place's failure
// when neither can be written.
class ProbeFile {
 public:
  ProbeFile() {
    const std::wstring folders[] = {rt::ProgramFolder(), rt::TempFolder()};
    for (size_t i = 0; i < std::size(folders); ++i) {
      path_ = rt::PathInFolder(folders[i], kProbeFileName);
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

// The browser gets the address as its one argument.
StartOutcome StartInBrowser(const std::wstring& address, int show_command, HWND owner) {
  std::optional<ProbeFile> probe;
  StartOutcome outcome;
  try {
    probe.emplace();
  } catch (const rt::Failure& failure) {
    outcome.result = StartResult::kProbeNotWritten;
    outcome.probe_failure = failure;
    return outcome;
  }
  const std::optional<std::wstring> browser = LookUpProgram(probe->Path());
  if (!browser) {
    outcome.result = StartResult::kNoBrowser;
    return outcome;
  }
  outcome = AskShell({*browser, QuoteArgument(address), true}, show_command, owner);
  if (outcome.result == StartResult::kNotStarted) outcome.program = *browser;
  return outcome;
}

}  // namespace

StartOutcome StartItem(const std::wstring& item_text, int show_command, HWND owner) {
  switch (ChooseRoute(item_text)) {
    case LaunchRoute::kProgram:
    case LaunchRoute::kShortcut:
      return StartFile(item_text, false, show_command, owner);
    case LaunchRoute::kWeb:
      return StartInBrowser(item_text, show_command, owner);
    case LaunchRoute::kAssociation:
      break;
  }
  return StartFile(item_text, true, show_command, owner);
}

}  // namespace launch
