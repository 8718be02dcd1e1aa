// The system's own description of a Windows error code.
#pragma once

#include <windows.h>

#include <string>

namespace rt {

// FormatMessage's text for the code, without its trailing line end; "" when
// the system has no text for it. Placeholders such as "%1" are left as they
// stand.
std::wstring SystemErrorText(DWORD code);

// The same, with every placeholder ("Bad EXE format for %1.") filled with
// `name`: the file the failure concerns.
std::wstring SystemErrorText(DWORD code, const std::wstring& name);

}  // namespace rt
