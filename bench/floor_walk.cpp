// The floor for Tavimo's walk: a program with no window that starts the
// walk's command lines one after another and waits for each to end, asking
// the shell nothing.
#include <windows.h>

#include "floor_walk_loop.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  return bench::WalkCommandsBesideProgram(false);
}
