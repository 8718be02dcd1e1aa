// The program associated with the walk's documents: it ends as soon as it
// starts, so that a walk measures the launcher and not what it starts.
#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return 0; }
