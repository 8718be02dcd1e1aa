#include "runtime/system_library_win.h"

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

}  // namespace

void LoadDllsFromSystemFolderOnly() {
  const FARPROC address =
      GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories");
  const auto set_default_dll_directories = reinterpret_cast<decltype(&::SetDefaultDllDirectories)>(
      reinterpret_cast<void (*)()>(address));
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

}  // namespace rt
