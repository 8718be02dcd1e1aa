#include "runtime/on_demand_dlls_win.h"

#include <string>

#include "runtime/ansi.h"
#include "runtime/failure.h"
#include "runtime/system_error_win.h"

namespace rt {

namespace {

// Windows without the safe search flags (before the 2011 loader update)
// refuse them as an invalid parameter; a full path is just as safe there.
HMODULE LoadFromSystemFolder(const wchar_t* file_name) {
  const HMODULE module = LoadLibraryExW(file_name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (module || GetLastError() != ERROR_INVALID_PARAMETER) return module;
  wchar_t folder[MAX_PATH] = {};
  const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  return LoadLibraryW((std::wstring(folder) + L"\\" + file_name).c_str());
}

// A function that GetProcAddress found, typed as its header declares it
// (`decltype(&::Name)`), so that its calling convention is right on 32-bit.
// Through the generic function type: a plain cast from FARPROC draws a
// cast-function-type warning.
template <typename Function>
Function Typed(FARPROC address) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
}

// A DLL of Windows' own, loaded from the system folder the first time one
// of its functions is needed rather than when the program starts.
class SystemLibrary {
 public:
  explicit SystemLibrary(const wchar_t* file_name) : file_name_(file_name) {}
  SystemLibrary(const SystemLibrary&) = delete;
  SystemLibrary& operator=(const SystemLibrary&) = delete;

  // The function, typed as its header declares it (`decltype(&::Name)`), so
  // the compiler checks every call. Throws a Failure naming the DLL and the
  // function when either cannot be had: a missing function is a clear box,
  // never a jump to nowhere.
  template <typename Function>
  Function Find(const char* function_name) {
    return Typed<Function>(Address(function_name));
  }

 private:
  FARPROC Address(const char* function_name);
  HMODULE Module();

  const wchar_t* file_name_;
  HMODULE module_ = nullptr;
};

SystemLibrary& Shell32() {
  static SystemLibrary library(L"shell32.dll");
  return library;
}

SystemLibrary& Comdlg32() {
  static SystemLibrary library(L"comdlg32.dll");
  return library;
}

}  // namespace

void LoadDllsFromSystemFolderOnly() {
  const FARPROC address =
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  const auto set_default_dll_directories = Typed<decltype(&::SetDefaultDllDirectories)>(address);
  if (set_default_dll_directories && set_default_dll_directories(LOAD_LIBRARY_SEARCH_SYSTEM32)) {
    return;
  }
  SetDllDirectoryW(L"");
}

HMODULE SystemLibrary::Module() {
  if (!module_) {
    module_ = LoadFromSystemFolder(file_name_);
    if (!module_) {
      const DWORD error = GetLastError();
      throw Failure(FailureKind::kLibraryNotLoaded, file_name_, error, SystemErrorText(error));
    }
  }
  return module_;
}

FARPROC SystemLibrary::Address(const char* function_name) {
  const FARPROC address = GetProcAddress(Module(), function_name);
  if (!address) {
    Failure failure(FailureKind::kFunctionNotFound, file_name_);
    failure.function = FromAnsi(function_name);
    throw failure;
  }
  return address;
}

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
