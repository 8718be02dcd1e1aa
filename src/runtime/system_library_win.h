// A DLL of Windows' own, loaded from the system folder the first time one
// of its functions is needed rather than when the program starts.
#pragma once

#include <windows.h>

namespace rt {

// Makes the DLLs loaded from now on, the program's own and those Windows
// loads for it, come from the system folder alone: never from the program's
// folder or the current one, where anyone may have put a DLL of the same
// name. Windows without SetDefaultDllDirectories (before the 2011 loader
// update) keeps its own order, with the current folder taken out of it.
void LoadDllsFromSystemFolderOnly();

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
    // Through the generic function type: a plain cast from FARPROC draws a
    // cast-function-type warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(Address(function_name)));
  }

 private:
  FARPROC Address(const char* function_name);
  HMODULE Module();

  const wchar_t* file_name_;
  HMODULE module_ = nullptr;
};

}  // namespace rt
