#include "launch/run_item_win.h"

#include <iterator>
#include <optional>
#include <string>

#include "launch/command_line.h"
#include "launch/route.h"
#include "launch/route_lookups.h"
#include "runtime/ansi.h"
#include "runtime/app_win.h"
#include "runtime/events_win.h"
#include "runtime/message_box_win.h"
#include "runtime/numbered_files.h"
#include "runtime/on_demand_dlls_win.h"
#include "runtime/process_win.h"
#include "runtime/program_folder.h"
#include "runtime/run_error.h"
#include "runtime/short_path_win.h"
#include "runtime/system_error_win.h"
#include "runtime/texts.h"

namespace launch {

namespace {

constexpr wchar_t kProbeFileName[] = L"temphtm.HTM";
// The shell looks the browser up by the program that opens this file. Its
// one line is a record holding the text <HTML> <\HTML>.
constexpr char kProbeLine[] = "\"<HTML> <\\HTML>\"\r\n";
// FindExecutableA may write MAX_PATH characters; room for more costs nothing.
constexpr size_t kLookupBufferSize = 1024;

// Hands the file to the shell with its default verb, in a normal window.
// The verb is null, not "": Windows takes both as the default verb, but only
// null everywhere. When the shell cannot start it, one box names the item and
// the reason; the shell is asked to show none of its own.
void ShellStart(const std::wstring& item_text, const std::string& file, HWND owner) {
  SHELLEXECUTEINFOA start{};
  start.cbSize = sizeof start;
  start.fMask = SEE_MASK_FLAG_NO_UI;
  start.hwnd = owner;
  start.lpFile = file.c_str();
  start.lpParameters = "";
  start.lpDirectory = "";
  start.nShow = SW_SHOWNORMAL;
  if (rt::shell32::ShellExecuteExA(&start)) return;
  const DWORD error = ShellStartError(GetLastError(), reinterpret_cast<intptr_t>(start.hInstApp));
  rt::MsgBox(texts::CannotStart(item_text, rt::SystemErrorText(error)), MB_OK | MB_ICONEXCLAMATION,
             texts::kProgramName);
}

// The program the shell would open the file with, or nothing.
std::optional<std::wstring> LookUpProgram(const std::string& file, const char* folder) {
  std::string found(kLookupBufferSize, ' ');
  const auto code =
      reinterpret_cast<intptr_t>(rt::shell32::FindExecutableA(file.c_str(), folder, found.data()));
  const std::optional<std::string> program = FoundProgram(found, code);
  if (!program) return std::nullopt;
  return rt::FromAnsi(*program);
}

void WriteProbeFile(const std::wstring& path) {
  const int number = rt::FreeFile();
  rt::OpenForOutput(path, number);
  rt::WriteRecordLines(number, kProbeLine);
  rt::Close(number);
}

std::wstring TempFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  GetTempPathW(MAX_PATH + 1, folder);
  return folder;
}

// The probe file, written beside the program or, where the program's folder
// cannot be written, in the user's temporary folder; deleted however the
// route ends, a failed write included. Raises the last place's error when
// neither can be written.
class ProbeFile {
 public:
  ProbeFile() {
    const std::wstring folders[] = {rt::App::Path(), TempFolder()};
    for (size_t i = 0; i < std::size(folders); ++i) {
      path_ = rt::InProgramFolder(folders[i], kProbeFileName);
      try {
        WriteProbeFile(path_);
        return;
      } catch (const rt::RunError&) {
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

// The browser's probe file cannot be written anywhere: the item is
// reported and the walk goes on.
int32_t StartInBrowser(const std::wstring& address, int32_t window_style) {
  std::optional<ProbeFile> probe;
  try {
    probe.emplace();
  } catch (const rt::RunError& error) {
    rt::MsgBox(texts::BrowserProbeNotWritten(address, error.description),
               MB_OK | MB_ICONEXCLAMATION, texts::kBrowserNotFoundTitle);
    return 0;
  }
  const std::optional<std::wstring> browser =
      LookUpProgram(PathForAnsiCall(probe->Path(), rt::ShortPath), nullptr);
  if (!browser) {
    rt::MsgBox(texts::kNoBrowser, MB_OK | MB_ICONEXCLAMATION, texts::kBrowserNotFoundTitle);
    return 0;
  }
  return rt::Shell(ProgramWithArgument(*browser, address), window_style);
}

// The lookup gets the item's short path where the item itself is too long
// for it; the program still gets the item as it stands.
int32_t StartInAssociatedProgram(const std::wstring& item_text, int32_t window_style) {
  const FolderAndFileName place =
      SplitFolderAndFileName(rt::FromAnsi(PathForAnsiCall(item_text, rt::ShortPath)));
  const std::optional<std::wstring> program =
      LookUpProgram(rt::ToAnsi(place.file_name), rt::ToAnsi(place.folder).c_str());
  if (!program) {
    rt::MsgBox(texts::NoAssociatedProgram(item_text), MB_OK | MB_ICONEXCLAMATION,
               texts::kProgramNotFoundTitle);
    return 0;
  }
  return rt::Shell(ProgramWithArgument(*program, item_text), window_style);
}

// Waits for the started process by its id. The runtime still holds the
// process it started, so the id cannot have passed to another process.
void WaitForEnd(int32_t process_id) {
  const HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, static_cast<DWORD>(process_id));
  rt::ReleaseStartedProcess();
  rt::WaitAnsweringSentMessages(process);
  if (process) CloseHandle(process);
}

}  // namespace

void RunItem(std::wstring item_text, int32_t window_style, HWND owner) {
  int32_t process_id = 0;
  switch (ChooseRoute(item_text)) {
    case LaunchRoute::kProgram:
      ShellStart(item_text, ProgramRouteFile(item_text, rt::ShortPath), owner);
      break;
    case LaunchRoute::kWeb:
      process_id = StartInBrowser(item_text, window_style);
      break;
    case LaunchRoute::kShortcut:
      ShellStart(item_text, PathForAnsiCall(item_text, rt::ShortPath), owner);
      break;
    case LaunchRoute::kAssociation:
      process_id = StartInAssociatedProgram(item_text, window_style);
      break;
  }
  WaitForEnd(process_id);
  rt::DoEvents();
}

}  // namespace launch
