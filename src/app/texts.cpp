#include "app/texts.h"

namespace texts {

std::wstring WalkProgressCaption(int started, int total) {
  return std::wstring(kProgramName) + L" " + std::to_wstring(started) + L"/" +
         std::to_wstring(total);
}

std::wstring LocationNotOpened(const std::wstring& item, const std::wstring& reason) {
  return L"無法開啟檔案位置 " + item + L"\r\n" + reason;
}

std::wstring UnknownArguments(const std::vector<std::wstring>& unknown,
                              const std::wstring& run_option) {
  std::wstring text = L"無法辨識的參數：";
  for (const std::wstring& argument : unknown) text += L"\n" + argument;
  return text + L"\n\n可以使用的參數：\n" + run_option + L"\t開啟視窗後立即順序執行打勾的項目";
}

std::wstring ListFull(int most_items) {
  return L"清單已滿：最多只能有 " + std::to_wstring(most_items) + L" 個項目。";
}

std::wstring NotStorable(const std::wstring& item) {
  return L"無法加入這個項目：其中有系統字碼頁無法儲存的字元。\n\n" + item;
}

std::wstring ItemTooLong(size_t most_characters) {
  return L"項目太長，無法加入（最多 " + std::to_wstring(most_characters) + L" 個字元）。";
}

std::wstring DialogFailed(unsigned long error_code) {
  return L"無法開啟選擇檔案的對話方塊（錯誤碼 " + std::to_wstring(error_code) + L"）。";
}

std::wstring BrowserProbeNotWritten(const std::wstring& address, const std::wstring& reason) {
  return L"Could not open " + address + L"\r\nThe browser lookup file could not be written: " +
         reason;
}

std::wstring NoAssociatedProgram(const std::wstring& item) {
  return L"Could not find associated program\r\n" + item;
}

std::wstring CannotStart(const std::wstring& item, const std::wstring& reason) {
  return L"無法啟動 " + item + L"\r\n" + reason;
}

std::wstring StoreNotOpened(const std::wstring& reason) {
  return L"無法開啟，沒有載入任何項目。\n\n" + reason;
}

std::wstring StoreItemRefused(int line, const std::wstring& reason) {
  return L"從第 " + std::to_wstring(line) +
         L" 行起無法加入清單，那一行和之後的項目都沒有載入。\n\n" + reason;
}

std::wstring StoreUnreadable(int line) {
  return L"從第 " + std::to_wstring(line) + L" 行起無法讀取，那一行和之後的項目都沒有載入。";
}

namespace {

// Where a file that was not read whole is kept: as it is while the list
// stays unchanged, as the backup once the list is saved with changes.
std::wstring KeptUnlessChanged(const std::wstring& backup) {
  return L"清單沒有變更就關閉時，這個檔案保持原樣；清單有變更時，關閉時會先把這個檔案保留為 " +
         backup + L"，再儲存新的清單。";
}

}  // namespace

std::wstring StoreLoadWarning(const std::wstring& store, const std::wstring& where_and_why,
                              const std::wstring& backup) {
  return L"清單檔 " + store + L" " + where_and_why + L"\n\n" + KeptUnlessChanged(backup);
}

std::wstring LeftoverLoadWarning(const std::wstring& store, const std::wstring& leftover,
                                 const std::wstring& where_and_why, const std::wstring& backup) {
  const std::wstring text = L"找不到清單檔 " + store + L"，清單是從上次沒有完成的儲存所留下的 " +
                            leftover + L" 載入的。\n\n";
  if (where_and_why.empty()) return text + L"關閉時，這個檔案會保留為 " + backup + L"。";
  return text + L"這個檔案" + where_and_why + L"\n\n" + KeptUnlessChanged(backup);
}

std::wstring EarlierBackups(const std::vector<std::wstring>& backups) {
  std::wstring text = L"先前有清單檔無法完整讀取，原來的檔案保留在：";
  for (const std::wstring& backup : backups) text += L"\n" + backup;
  return text +
         L"\n\n之後儲存的清單可能少了項目。確認清單無誤後，可以刪除這些檔案，這個提醒就不會再出現"
         L"。";
}

std::wstring StoreNotSaved(const std::wstring& store, const std::wstring& reason) {
  return L"清單沒有儲存到 " + store + L"。\n\n" + reason;
}

namespace {

using rt::FailureKind;

// The number a failure of the kind has among the program's run-time errors.
int RunTimeErrorNumber(rt::FailureKind kind) {
  switch (kind) {
    case rt::FailureKind::kBadArgument:
      return 5;
    case rt::FailureKind::kOverflow:
      return 6;
    case rt::FailureKind::kOutOfMemory:
      return 7;
    case rt::FailureKind::kFileNotFound:
    case rt::FailureKind::kLibraryNotLoaded:
      return 53;
    case rt::FailureKind::kFileExists:
      return 58;
    case rt::FailureKind::kDiskFull:
      return 61;
    case rt::FailureKind::kAccessDenied:
      return 70;
    case rt::FailureKind::kFileError:
      return 75;
    case rt::FailureKind::kPathNotFound:
      return 76;
    case rt::FailureKind::kBadValue:
      return 380;
    case rt::FailureKind::kNoSuchItem:
      return 381;
    case rt::FailureKind::kFunctionNotFound:
      return 453;
  }
  return 0;
}

std::wstring KindDescription(rt::FailureKind kind) {
  switch (kind) {
    case rt::FailureKind::kBadArgument:
      return L"Invalid procedure call or argument";
    case rt::FailureKind::kOverflow:
      return L"Overflow";
    case rt::FailureKind::kOutOfMemory:
      return L"Out of memory";
    case rt::FailureKind::kFileNotFound:
    case rt::FailureKind::kLibraryNotLoaded:
      return L"File not found";
    case rt::FailureKind::kFileExists:
      return L"File already exists";
    case rt::FailureKind::kDiskFull:
      return L"Disk full";
    case rt::FailureKind::kAccessDenied:
      return L"Permission denied";
    case rt::FailureKind::kFileError:
      return L"Path/File access error";
    case rt::FailureKind::kPathNotFound:
      return L"Path not found";
    case rt::FailureKind::kBadValue:
      return L"Invalid property value";
    case rt::FailureKind::kNoSuchItem:
      return L"Invalid property array index";
    case rt::FailureKind::kFunctionNotFound:
      return L"Specified DLL function not found";
  }
  return L"Application-defined or object-defined error";
}

}  // namespace

std::wstring FailureDescription(const rt::Failure& failure) {
  if (failure.subject.empty()) return KindDescription(failure.kind);
  switch (failure.kind) {
    case rt::FailureKind::kLibraryNotLoaded:
      return L"Cannot load " + failure.subject + L": " +
             SystemReason(failure.system_code, failure.system_reason);
    case rt::FailureKind::kFunctionNotFound:
      return L"Cannot find " + failure.function + L" in " + failure.subject;
    default:
      return failure.subject + L": " + SystemReason(failure.system_code, failure.system_reason);
  }
}

std::wstring UnforeseenFailure(const rt::Failure& failure) {
  return L"Run-time error '" + std::to_wstring(RunTimeErrorNumber(failure.kind)) + L"':\n\n" +
         FailureDescription(failure);
}

std::wstring StartupFailed(app::StartupFailure::Step step, const std::wstring& reason) {
  std::wstring what;
  switch (step) {
    case app::StartupFailure::Step::kRegisterWindowClass:
      what = L"its window class was not registered";
      break;
    case app::StartupFailure::Step::kCreateWindow:
      what = L"its window was not created";
      break;
    case app::StartupFailure::Step::kInitializeOle:
      what = L"OLE was not initialized";
      break;
  }
  return L"Tavimo cannot start: " + what + L".\n\n" + reason;
}

std::wstring SystemReason(unsigned long error_code, const std::wstring& system_words) {
  if (!system_words.empty()) return system_words;
  return L"Windows error " + std::to_wstring(error_code);
}

}  // namespace texts
