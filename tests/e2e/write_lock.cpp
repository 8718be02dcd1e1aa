#include "write_lock.h"

#include <windows.h>
// After windows.h, which it needs.
#include <aclapi.h>

#include <stdexcept>
#include <string>

namespace e2e {

namespace {

// Wine's own exports, looked up at run time so that the tests also run on
// Windows. The spawn waits for the Linux program and gives 0 when it ended
// well; the path comes back allocated on the process heap.
using UnixSpawn = LONG(WINAPI*)(char* const* argv, int wait);
using UnixFileName = char*(CDECL*)(const wchar_t* path);

template <typename Function>
Function Export(const wchar_t* module, const char* name) {
  // Through void*: a direct cast between function pointer types warns.
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(module), name)));
}

bool UnderWine() { return Export<FARPROC>(L"ntdll.dll", "wine_get_version") != nullptr; }

// Linux's immutable attribute binds root too, which Wine run by root
// otherwise lets write anywhere.
void SetImmutable(const std::wstring& folder, bool immutable) {
  const auto spawn = Export<UnixSpawn>(L"ntdll.dll", "__wine_unix_spawnvp");
  const auto unix_name = Export<UnixFileName>(L"kernel32.dll", "wine_get_unix_file_name");
  if (!spawn || !unix_name) throw std::runtime_error("this Wine cannot start Linux programs");
  char* path = unix_name(folder.c_str());
  if (!path) throw std::runtime_error("the folder has no Linux path");
  char command[] = "chattr";
  char flag[3] = {immutable ? '+' : '-', 'i', '\0'};
  char* const argv[] = {command, flag, path, nullptr};
  const LONG status = spawn(argv, 1);
  HeapFree(GetProcessHeap(), 0, path);
  if (status != 0) throw std::runtime_error("chattr failed");
}

// On Windows a folder is locked by its access list: everyone is denied
// adding and removing its files. Unlocking takes that entry out again.
void SetDenyEntry(const std::wstring& folder, bool deny) {
  BYTE sid[SECURITY_MAX_SID_SIZE];
  DWORD sid_size = sizeof sid;
  if (!CreateWellKnownSid(WinWorldSid, nullptr, sid, &sid_size)) {
    throw std::runtime_error("no SID for everyone");
  }
  PACL old_list = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  std::wstring name = folder;
  if (GetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                            nullptr, &old_list, nullptr, &descriptor) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot read the folder's access list");
  }
  EXPLICIT_ACCESSW entry{};
  entry.grfAccessPermissions = FILE_ADD_FILE | FILE_ADD_SUBDIRECTORY | FILE_DELETE_CHILD;
  entry.grfAccessMode = deny ? DENY_ACCESS : REVOKE_ACCESS;
  entry.grfInheritance = NO_INHERITANCE;
  entry.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  entry.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  entry.Trustee.ptstrName = reinterpret_cast<LPWSTR>(sid);
  PACL new_list = nullptr;
  DWORD result = SetEntriesInAclW(1, &entry, old_list, &new_list);
  if (result == ERROR_SUCCESS) {
    result = SetNamedSecurityInfoW(name.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr,
                                   nullptr, new_list, nullptr);
  }
  LocalFree(new_list);
  LocalFree(descriptor);
  if (result != ERROR_SUCCESS) throw std::runtime_error("cannot change the folder's access list");
}

void Lock(const std::wstring& folder, bool locked) {
  if (UnderWine()) {
    SetImmutable(folder, locked);
  } else {
    SetDenyEntry(folder, locked);
  }
}

}  // namespace

FolderWriteLock::FolderWriteLock(const std::wstring& folder) : folder_(folder) {
  Lock(folder_, true);
}

FolderWriteLock::~FolderWriteLock() {
  try {
    Lock(folder_, false);
  } catch (const std::runtime_error&) {
    // Left locked, the folder outlives the test; nothing more can be done.
  }
}

ExclusiveFileHold::ExclusiveFileHold(const std::wstring& file)
    : handle_(CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                          FILE_ATTRIBUTE_NORMAL, nullptr)) {
  if (handle_ == INVALID_HANDLE_VALUE) throw std::runtime_error("cannot hold the file open");
}

ExclusiveFileHold::~ExclusiveFileHold() { CloseHandle(handle_); }

}  // namespace e2e
