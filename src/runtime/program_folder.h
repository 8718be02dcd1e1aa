// Files beside the program: its folder joined with a file name.
#pragma once

#include <string>
#include <string_view>

namespace rt {

// Joins with exactly one "\": the folder ends in "\" only at the root of a
// drive. C:\Tools and exefiles.dat give C:\Tools\exefiles.dat; D:\ gives
// D:\exefiles.dat.
std::wstring InProgramFolder(std::wstring_view folder, std::wstring_view file_name);

}  // namespace rt
