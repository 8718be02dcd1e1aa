// The system's own description of a Windows error code.
#pragma once

#include <windows.h>

#include <string>

namespace rt {

// FormatMessage's text for the code, without its trailing line end; the
// code in figures when the system has no text for it.
std::wstring SystemErrorText(DWORD code);

}  // namespace rt
