#include "file_association_win.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <stdexcept>
#include <utility>

#include "test_files_win.h"

namespace test_files {

namespace {

// The registry calls return their error rather than set the last error.
[[noreturn]] void FailWith(LSTATUS status, const std::wstring& what) {
  SetLastError(static_cast<DWORD>(status));
  Fail(what);
}

void SetDefaultValue(const std::wstring& key_path, const std::wstring& value) {
  HKEY key = nullptr;
  LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, key_path.c_str(), 0, nullptr, 0,
                                   KEY_SET_VALUE, nullptr, &key, nullptr);
  if (status != ERROR_SUCCESS) FailWith(status, L"cannot create HKEY_CLASSES_ROOT\\" + key_path);
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  status =
      RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) FailWith(status, L"cannot set HKEY_CLASSES_ROOT\\" + key_path);
}

}  // namespace

FileAssociation::FileAssociation(std::wstring extension, std::wstring program,
                                 std::wstring arguments)
    : extension_(std::move(extension)),
      program_(std::move(program)),
      arguments_(std::move(arguments)),
      type_name_(L"TavimoTest" + extension_) {
  SetDefaultValue(extension_, type_name_);
  SetDefaultValue(type_name_ + L"\\shell\\open\\command", CommandLine(L"%1"));
}

FileAssociation::~FileAssociation() {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, type_name_.c_str());
  RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_.c_str());
}

std::wstring FileAssociation::CommandLine(const std::wstring& file) const {
  std::wstring arguments = arguments_;
  for (size_t at = arguments.find(L"%1"); at != std::wstring::npos;
       at = arguments.find(L"%1", at + file.size())) {
    arguments.replace(at, 2, file);
  }
  return L"\"" + program_ + L"\" " + arguments;
}

std::wstring AssociatedProgram(const std::wstring& file) {
  wchar_t program[MAX_PATH] = {};
  const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(file.c_str(), nullptr, program));
  return result > 32 ? program : L"";
}

}  // namespace test_files
