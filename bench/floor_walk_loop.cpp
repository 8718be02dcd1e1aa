#include "floor_walk_loop.h"

#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace bench {

std::wstring BesideProgram(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder = path;
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

namespace {

std::vector<std::wstring> ReadLines(const wchar_t* file_name) {
  std::vector<std::wstring> lines;
  FILE* file = _wfopen(BesideProgram(file_name).c_str(), L"rb");
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

// The shell's look-up of the program that opens `document`, by its file name
// in its folder; false when none is found.
bool LookUpProgram(const std::wstring& document) {
  using FindExecutable = HINSTANCE(WINAPI*)(LPCWSTR, LPCWSTR, LPWSTR);
  static const auto find_executable = reinterpret_cast<FindExecutable>(
      reinterpret_cast<void*>(GetProcAddress(LoadLibraryW(L"shell32.dll"), "FindExecutableW")));
  const size_t slash = document.find_last_of(L'\\');
  const std::wstring folder = document.substr(0, slash);
  wchar_t program[MAX_PATH] = {};
  return find_executable && reinterpret_cast<INT_PTR>(find_executable(
                                document.c_str() + slash + 1, folder.c_str(), program)) > 32;
}

}  // namespace

int WalkCommandsBesideProgram(bool look_up) {
  std::vector<std::wstring> commands = ReadLines(L"commands.txt");
  const std::vector<std::wstring> documents =
      look_up ? ReadLines(L"documents.txt") : std::vector<std::wstring>();
  if (look_up && documents.size() != commands.size()) return ERROR_INVALID_DATA;
  LARGE_INTEGER start, end;
  QueryPerformanceCounter(&start);
  for (size_t i = 0; i < commands.size(); ++i) {
    if (look_up && !LookUpProgram(documents[i])) return ERROR_NO_ASSOCIATION;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commands[i].data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
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

}  // namespace bench
