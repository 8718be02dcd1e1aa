// Every caption and message the program shows, in one place: Traditional
// Chinese, apart from the English of the web route's and the run-time
// error's boxes. Texts that carry values are functions of them.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "app/startup_failure.h"
#include "runtime/failure.h"

namespace texts {

// The window and its buttons.
inline constexpr wchar_t kProgramName[] = L"Tavimo";
inline constexpr wchar_t kAddItem[] = L"增加項目";
inline constexpr wchar_t kRemoveItem[] = L"移除項目";
inline constexpr wchar_t kRunInOrder[] = L"順序執行";
inline constexpr wchar_t kAddAddress[] = L"加入網址";
// The caption while a walk runs: how many of the ticked items it has started.
std::wstring WalkProgressCaption(int started, int total);

// The menu of an item, each entry with its keyboard shortcut after a tab.
inline constexpr wchar_t kMoveUpEntry[] = L"上移\tAlt+Up";
inline constexpr wchar_t kMoveDownEntry[] = L"下移\tAlt+Down";
inline constexpr wchar_t kRemoveEntry[] = L"移除項目\tDel";
inline constexpr wchar_t kOpenLocationEntry[] = L"開啟檔案位置";
std::wstring LocationNotOpened(const std::wstring& item, const std::wstring& reason);

// The arguments Tavimo is started with.
std::wstring UnknownArguments(const std::vector<std::wstring>& unknown,
                              const std::wstring& run_option);

// Adding items: the open-file dialog, the input box and their boxes.
inline constexpr wchar_t kEntryTitle[] = L"加入項目";
inline constexpr wchar_t kFileTypeName[] = L"加入的檔案 (*.*)";
inline constexpr wchar_t kAddressPrompt[] = L"請輸入網址";
inline constexpr wchar_t kOk[] = L"OK";
inline constexpr wchar_t kCancel[] = L"Cancel";
std::wstring ListFull(int most_items);
std::wstring NotStorable(const std::wstring& item);
std::wstring ItemTooLong(size_t most_characters);
std::wstring DialogFailed(unsigned long error_code);

// Starting items.
inline constexpr wchar_t kBrowserNotFoundTitle[] = L"Browser Not Found";
inline constexpr wchar_t kNoBrowser[] = L"Could not find associated Browser";
inline constexpr wchar_t kProgramNotFoundTitle[] = L"Program Not Found";
std::wstring BrowserProbeNotWritten(const std::wstring& address, const std::wstring& reason);
std::wstring NoAssociatedProgram(const std::wstring& item);
std::wstring CannotStart(const std::wstring& item, const std::wstring& reason);

// The store file. The load warning names the file, says where and why its
// reading stopped, and where the file is kept: as it is, or as the backup
// that a save with changes makes.
std::wstring StoreNotOpened(const std::wstring& reason);
std::wstring StoreItemRefused(int line, const std::wstring& reason);
std::wstring StoreUnreadable(int line);
std::wstring StoreLoadWarning(const std::wstring& store, const std::wstring& where_and_why,
                              const std::wstring& backup);
// Loaded from the temporary file a failed save left; `where_and_why` is ""
// when it was read to its end.
std::wstring LeftoverLoadWarning(const std::wstring& store, const std::wstring& leftover,
                                 const std::wstring& where_and_why, const std::wstring& backup);
// Backups of files that were not read whole lie beside the store: the list
// may lack what they hold.
std::wstring EarlierBackups(const std::vector<std::wstring>& backups);
std::wstring StoreNotSaved(const std::wstring& store, const std::wstring& reason);

// A failure in plain English: what failed and the system's words for it, or
// what kind of failure it was where nothing in particular failed.
std::wstring FailureDescription(const rt::Failure& failure);
// The box of a failure that no handler foresaw: its number among the
// program's run-time errors, and its description.
std::wstring UnforeseenFailure(const rt::Failure& failure);
// The one box of a start that could not open the window.
std::wstring StartupFailed(app::StartupFailure::Step step, const std::wstring& reason);
// The system's words for an error code, or the code in figures where the
// system has none.
std::wstring SystemReason(unsigned long error_code, const std::wstring& system_words);

}  // namespace texts
