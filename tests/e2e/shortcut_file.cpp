#include "shortcut_file.h"

#include <windows.h>
// After windows.h, which they need.
#include <objbase.h>
#include <shlobj.h>

#include <stdexcept>

namespace e2e {

void CreateShortcut(const std::wstring& link_path, const std::wstring& target,
                    const std::wstring& arguments) {
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {
    throw std::runtime_error("cannot initialise COM");
  }
  IShellLinkW* link = nullptr;
  IPersistFile* file = nullptr;
  HRESULT result = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                    reinterpret_cast<void**>(&link));
  if (SUCCEEDED(result)) result = link->SetPath(target.c_str());
  if (SUCCEEDED(result)) result = link->SetArguments(arguments.c_str());
  if (SUCCEEDED(result)) {
    result = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
  }
  if (SUCCEEDED(result)) result = file->Save(link_path.c_str(), TRUE);
  if (file) file->Release();
  if (link) link->Release();
  CoUninitialize();
  if (FAILED(result)) throw std::runtime_error("cannot save the shortcut");
}

}  // namespace e2e
