// Program entry: the main window is the start-up object; closing it ends
// the program.
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>
#include <ole2.h>

#include <string>

#include "app/events_win.h"
#include "app/main_window.h"
#include "app/message_box_win.h"
#include "app/one_per_folder_win.h"
#include "app/start_options_win.h"
#include "app/startup_failure.h"
#include "app/texts.h"
#include "runtime/on_demand_dlls_win.h"
#include "runtime/system_error_win.h"

namespace {

void ReportStartupFailure(const app::StartupFailure& failure) {
  // A window destroyed on the way asked the program to quit, which would
  // close the box as soon as it showed.
  MSG quit;
  PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
  const std::wstring reason =
      texts::SystemReason(failure.error, rt::SystemErrorText(failure.error));
  app::ShowMessageBox(texts::StartupFailed(failure.step, reason), MB_OK | MB_ICONERROR,
                      texts::kProgramName);
}

}  // namespace

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
  const HRESULT ole = OleInitialize(nullptr);
  if (FAILED(ole)) {
    ReportStartupFailure({app::StartupFailure::Step::kInitializeOle, static_cast<DWORD>(ole)});
    return 1;
  }
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);

  int exit_code = 1;
  try {
    app::MainWindow window(folder.Name(), options);
    window.Load();
    exit_code = app::RunMessageLoop();
  } catch (const app::StartupFailure& failure) {
    // Reported once the half-made window is gone.
    ReportStartupFailure(failure);
  }
  OleUninitialize();
  return exit_code;
}
