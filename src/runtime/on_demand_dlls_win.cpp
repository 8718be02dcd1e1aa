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

BOOL ShellExecuteExW(SHELLEXECUTEINFOW* info) {
  static const auto function = Shell32().Find<decltype(&::ShellExecuteExW)>("ShellExecuteExW");
  return function(info);
}

HINSTANCE FindExecutableW(const wchar_t* file, const wchar_t* folder, wchar_t* program) {
  static const auto function = Shell32().Find<decltype(&::FindExecutableW)>("FindExecutableW");
  return function(file, folder, program);
}

UINT DragQueryFileW(HDROP drop, UINT index, wchar_t* file, UINT size) {
  static const auto function = Shell32().Find<decltype(&::DragQueryFileW)>("DragQueryFileW");
  return function(drop, index, file, size);
}

HRESULT SHParseDisplayName(const wchar_t* name, IBindCtx* context, PIDLIST_ABSOLUTE* item,
                           SFGAOF wanted, SFGAOF* attributes) {
  static const auto function =
      Shell32().Find<decltype(&::SHParseDisplayName)>("SHParseDisplayName");
  return function(name, context, item, wanted, attributes);
}

HRESULT SHOpenFolderAndSelectItems(PCIDLIST_ABSOLUTE folder, UINT count,
                                   PCUITEMID_CHILD_ARRAY items, DWORD flags) {
  static const auto function =
      Shell32().Find<decltype(&::SHOpenFolderAndSelectItems)>("SHOpenFolderAndSelectItems");
  return function(folder, count, items, flags);
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
