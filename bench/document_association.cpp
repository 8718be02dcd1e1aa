#include "document_association.h"

#include <windows.h>

#include <stdexcept>

namespace bench {

namespace {

constexpr wchar_t kDocumentType[] = L"TavimoBench.Document";

void SetDefaultValue(const std::wstring& key, const std::wstring& value) {
  HKEY handle = nullptr;
  LSTATUS status = RegCreateKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                                   nullptr, &handle, nullptr);
  if (status == ERROR_SUCCESS) {
    status =
        RegSetValueExW(handle, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(handle);
  }
  if (status != ERROR_SUCCESS) {
    throw std::runtime_error("cannot register the bench documents (error " +
                             std::to_string(status) + ")");
  }
}

}  // namespace

DocumentAssociation::DocumentAssociation(const std::wstring& extension, const std::wstring& program)
    : extension_(extension), program_(program) {
  SetDefaultValue(extension_, kDocumentType);
  SetDefaultValue(std::wstring(kDocumentType) + L"\\shell\\open\\command",
                  L"\"" + program_ + L"\" \"%1\"");
}

DocumentAssociation::~DocumentAssociation() {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kDocumentType);
  RegDeleteTreeW(HKEY_CLASSES_ROOT, extension_.c_str());
}

std::wstring DocumentAssociation::CommandLine(const std::wstring& document) const {
  return L"\"" + program_ + L"\" \"" + document + L"\"";
}

}  // namespace bench
