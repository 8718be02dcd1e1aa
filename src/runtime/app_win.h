// The program itself: its folder and its module handle.
#pragma once

#include <windows.h>

#include <string>

namespace rt::App {

// The folder of the running program; it ends in "\" only at a drive root.
std::wstring Path();

HINSTANCE hInstance();

}  // namespace rt::App
