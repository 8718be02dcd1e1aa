// A stand-in for the programs that Tavimo starts. It writes down when it
// started, with what command line, working folder and show command, and when
// it ended, in recorder.log beside itself; lives as many milliseconds as
// recorder.ms beside it says; and, when recorder.broadcast exists, sends a
// message to every top-level window and waits for the answers before it ends,
// as some installers do; when recorder.crash exists, it crashes instead of
// ending.
#include <windows.h>

#include <string>

namespace {

std::wstring OwnFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\'));
}

unsigned long long Now() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
}

// Writes the lines, each ended by CR LF, in one appending write: several
// recorders may write at once, and a reader sees all of them or none.
void Log(const std::wstring& folder, const std::wstring& lines) {
  const std::wstring text = lines + L"\r\n";
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  const HANDLE log = CreateFileW((folder + L"\\recorder.log").c_str(), FILE_APPEND_DATA,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(log, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(log);
}

DWORD LifetimeMs(const std::wstring& folder) {
  const HANDLE file = CreateFileW((folder + L"\\recorder.ms").c_str(), GENERIC_READ,
                                  FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 0;
  char digits[16] = {};
  DWORD read = 0;
  ReadFile(file, digits, sizeof digits - 1, &read, nullptr);
  CloseHandle(file);
  return static_cast<DWORD>(strtoul(digits, nullptr, 10));
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int show_command) {
  const std::wstring folder = OwnFolder();
  const std::wstring pid = std::to_wstring(GetCurrentProcessId());
  wchar_t working_folder[MAX_PATH] = {};
  GetCurrentDirectoryW(MAX_PATH, working_folder);
  // The start with its working folder and the show state the starter asked
  // for (STARTUPINFO.wShowWindow, or SW_SHOWDEFAULT when it asked for none).
  const std::wstring now = std::to_wstring(Now());
  Log(folder, L"start " + now + L" " + pid + L" " + GetCommandLineW() + L"\r\nfolder " + now +
                  L" " + pid + L" " + working_folder + L"\r\nshow " + now + L" " + pid + L" " +
                  std::to_wstring(show_command));
  Sleep(LifetimeMs(folder));
  if (GetFileAttributesW((folder + L"\\recorder.broadcast").c_str()) != INVALID_FILE_ATTRIBUTES) {
    SendMessageW(HWND_BROADCAST, RegisterWindowMessageW(L"TavimoRecorderPing"), 0, 0);
  }
  if (GetFileAttributesW((folder + L"\\recorder.crash").c_str()) != INVALID_FILE_ATTRIBUTES) {
    RaiseException(EXCEPTION_ACCESS_VIOLATION, EXCEPTION_NONCONTINUABLE, 0, nullptr);
  }
  Log(folder, L"end " + std::to_wstring(Now()) + L" " + pid);
  return 0;
}
