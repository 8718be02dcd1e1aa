#include "file_association.h"

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <stdexcept>

namespace e2e {

namespace {

void SetDefaultValue(const std::wstring& key_path, const std::wstring& value) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CLASSES_ROOT, key_path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS) {
    throw std::runtime_error("cannot create a key under HKEY_CLASSES_ROOT");
  }
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  const LONG result =
      RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()), bytes);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) throw std::runtime_error("cannot set a value in HKEY_CLASSES_ROOT");
}

}  // namespace

FileAssociation::FileAssociation(std::wstring extension, const std::wstring& program)
    : extension_(std::move(extension)), type_name_(L"TavimoTest" + extension_) {
  SetDefaultValue(extension_, type_name_);
  SetDefaultValue(type_name_ + L"\\shell\\open\\command", L"\"" + program + L"\" \"%1\"");
}

FileAssociation::~FileAssociation() {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, type_name_.c_str());
  RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_.c_str());
}

std::wstring AssociatedProgram(const std::wstring& file) {
  wchar_t program[MAX_PATH] = {};
  const auto result = reinterpret_cast<INT_PTR>(FindExecutableW(file.c_str(), nullptr, program));
  return result > 32 ? program : L"";
}

}  // namespace e2e
