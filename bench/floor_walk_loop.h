// What the floor programs share: a file beside the program, and the walk
// that floor_walk.exe and floor_window.exe --walk make.
#pragma once

#include <string>

namespace bench {

// The path of the file `name` in the running program's folder.
std::wstring BesideProgram(const wchar_t* name);

// Starts the command lines of commands.txt beside the program (UTF-8, one a
// line) one after another and waits for each to end. Given `look_up`, it
// first asks the shell which program opens each document of documents.txt
// (the same number of lines), with SHELL32 loaded on first use, as Tavimo
// must. The loop's start and end, in QueryPerformanceCounter ticks, go to
// walk.ticks beside the program, so that the program's own start does not
// count. Returns 0, or the system's error code of the step that failed.
int WalkCommandsBesideProgram(bool look_up);

}  // namespace bench
