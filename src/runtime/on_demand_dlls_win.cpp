#include "runtime/on_demand_dlls_win.h"

#include "runtime/system_library_win.h"

namespace rt {

namespace {

SystemLibrary& Shell32() {
  static SystemLibrary library(L"shell32.dll");
  return library;
}

SystemLibrary& Comdlg32() {
  static SystemLibrary library(L"comdlg32.dll");
  return library;
}

}  // namespace

namespace shell32 {

HINSTANCE ShellExecuteA(HWND owner, const char* verb, const char* file, const char* parameters,
                        const char* folder, int show) {
  static const auto function = Shell32().Find<decltype(&::ShellExecuteA)>("ShellExecuteA");
  return function(owner, verb, file, parameters, folder, show);
}

HINSTANCE FindExecutableA(const char* file, const char* folder, char* program) {
  static const auto function = Shell32().Find<decltype(&::FindExecutableA)>("FindExecutableA");
  return function(file, folder, program);
}

UINT DragQueryFileW(HDROP drop, UINT index, wchar_t* file, UINT size) {
  static const auto function = Shell32().Find<decltype(&::DragQueryFileW)>("DragQueryFileW");
  return function(drop, index, file, size);
}

}  // namespace shell32

namespace comdlg32 {

BOOL GetOpenFileNameW(OPENFILENAMEW* record) {
  static const auto function = Comdlg32().Find<decltype(&::GetOpenFileNameW)>("GetOpenFileNameW");
  return function(record);
}

DWORD CommDlgExtendedError() {
  static const auto function =
      Comdlg32().Find<decltype(&::CommDlgExtendedError)>("CommDlgExtendedError");
  return function();
}

}  // namespace comdlg32

}  // namespace rt
