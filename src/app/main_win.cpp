// Program entry: the main window is the start-up object; closing it ends
// the program.
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>
#include <ole2.h>

#include "app/events_win.h"
#include "app/main_window.h"
#include "app/one_per_folder_win.h"
#include "app/start_options_win.h"
#include "runtime/on_demand_dlls_win.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  rt::LoadDllsFromSystemFolderOnly();
  // Held to the end, past the save at close. A start in a folder whose
  // window is open has handed over to that window and ends here, once it has
  // said which of its arguments it does not know.
  const app::StartOptions options = app::StartOptionsOfThisProgram();
  const app::FolderHold folder(options);
  if (!folder.Held()) {
    app::ReportUnknownArguments(options);
    return 0;
  }
  // Drops from the shell arrive through OLE; the open-file dialog wants COM.
  OleInitialize(nullptr);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  int exit_code = 0;
  {
    app::MainWindow window(folder.Name());
    window.Load();
    exit_code = app::RunMessageLoop();
  }
  OleUninitialize();
  return exit_code;
}
