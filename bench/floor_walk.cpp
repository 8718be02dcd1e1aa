// The floor for Tavimo's walk: starts the command lines of commands.txt
// beside it (UTF-8, one a line) one after another and waits for each to end.
// The loop's start and end, in QueryPerformanceCounter ticks, go to
// walk.ticks beside it, so that the program's own start does not count. A
// command that cannot start ends it with the system's error code.
// With --window on its command line, a window with themed controls stands
// open through the walk: what each start costs a program that has a window,
// on its own.
#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

std::wstring BesideProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

std::vector<std::wstring> ReadCommandLines() {
  std::vector<std::wstring> lines;
  FILE* file = _wfopen(BesideProgram(L"commands.txt").c_str(), L"rb");
  if (!file) return lines;
  char line[4096];
  while (std::fgets(line, sizeof line, file)) {
    std::string text = line;
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r')) text.pop_back();
    if (text.empty()) continue;
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(),
                                                        static_cast<int>(text.size()), wide.data(),
                                                        static_cast<int>(wide.size()))));
    lines.push_back(wide);
  }
  std::fclose(file);
  return lines;
}

// A shown window with a list box and a button, of the themed controls. The
// controls library is loaded by name, so that without --window the walk has
// nothing loaded that a window needs.
void OpenWindow() {
  using InitControls = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  const auto init_controls = reinterpret_cast<InitControls>(reinterpret_cast<void*>(
      GetProcAddress(LoadLibraryW(L"comctl32.dll"), "InitCommonControlsEx")));
  const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  if (init_controls) init_controls(&controls);
  WNDCLASSW window_class{};
  window_class.lpfnWndProc = DefWindowProcW;
  window_class.hInstance = GetModuleHandleW(nullptr);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = L"FloorWalkWindow";
  RegisterClassW(&window_class);
  const HWND window = CreateWindowExW(WS_EX_TOPMOST, L"FloorWalkWindow", L"Floor walk",
                                      WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, 243, 400,
                                      nullptr, nullptr, window_class.hInstance, nullptr);
  CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 0, 0, 227,
                  295, window, nullptr, nullptr, nullptr);
  CreateWindowExW(0, L"BUTTON", L"順序執行", WS_CHILD | WS_VISIBLE, 113, 328, 114, 33, window,
                  nullptr, nullptr, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR command_line, int) {
  if (std::strstr(command_line, "--window")) OpenWindow();
  std::vector<std::wstring> commands = ReadCommandLines();
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (std::wstring& command : commands) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
      return static_cast<int>(GetLastError());
    }
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
  }
  QueryPerformanceCounter(&end);
  FILE* ticks = _wfopen(BesideProgram(L"walk.ticks").c_str(), L"wb");
  if (!ticks) return static_cast<int>(ERROR_CANNOT_MAKE);
  std::fprintf(ticks, "%lld %lld\n", start.QuadPart, end.QuadPart);
  std::fclose(ticks);
  return 0;
}
