// Where the program's DLLs come from, and the few functions it takes from
// SHELL32 and COMDLG32. Neither DLL is loaded at start: only a drop, a paste
// of files, a run, opening an item's folder or the open-file dialog needs
// them, and every DLL loaded at start slows start-up and, under Wine, every
// process the program starts. Each function loads its DLL on first use and
// throws a Failure when the DLL or the function cannot be had.
#pragma once

#include <windows.h>
// After windows.h, which they need.
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

namespace rt {

// Makes the DLLs loaded from now on, the program's own and those Windows
// loads for it, come from the system folder alone: never from the program's
// folder or the current one, where anyone may have put a DLL of the same
// name. Windows without SetDefaultDllDirectories (before the 2011 loader
// update) keeps its own order, with the current folder taken out of it.
void LoadDllsFromSystemFolderOnly();

}  // namespace rt

namespace rt::shell32 {

BOOL ShellExecuteExW(SHELLEXECUTEINFOW* info);
HINSTANCE FindExecutableW(const wchar_t* file, const wchar_t* folder, wchar_t* program);
UINT DragQueryFileW(HDROP drop, UINT index, wchar_t* file, UINT size);
HRESULT SHParseDisplayName(const wchar_t* name, IBindCtx* context, PIDLIST_ABSOLUTE* item,
                           SFGAOF wanted, SFGAOF* attributes);
HRESULT SHOpenFolderAndSelectItems(PCIDLIST_ABSOLUTE folder, UINT count,
                                   PCUITEMID_CHILD_ARRAY items, DWORD flags);

}  // namespace rt::shell32

namespace rt::comdlg32 {

BOOL GetOpenFileNameW(OPENFILENAMEW* record);
DWORD CommDlgExtendedError();

}  // namespace rt::comdlg32
