#include "launch/route_lookups.h"

namespace launch {

uint32_t ShellStartError(uint32_t last_error, intptr_t result_code) {
  // The shell's result codes by the Windows errors they stand for; below 12
  // the two sets share their numbers.
  constexpr uint32_t kOutOfMemory = 8, kSharingViolation = 32, kDdeFailed = 1156,
                     kDllNotFound = 1157, kGeneralFailure = 31;
  constexpr intptr_t kAssociationIncomplete = 27, kNoAssociationCode = 31;
  // Wine leaves an unrelated last error when it finds no program.
  if (result_code == kAssociationIncomplete || result_code == kNoAssociationCode) {
    return kNoAssociation;
  }
  if (last_error != 0) return last_error;
  switch (result_code) {
    case 0:
      return kOutOfMemory;
    case 26:
      return kSharingViolation;
    case 28:
    case 29:
    case 30:
      return kDdeFailed;
    case 32:
      return kDllNotFound;
    default:
      return result_code > 0 && result_code < 12 ? static_cast<uint32_t>(result_code)
                                                 : kGeneralFailure;
  }
}

std::optional<std::wstring> FoundProgram(std::wstring_view result_buffer, intptr_t result_code) {
  // FindExecutableW reports success by a result code above 32.
  constexpr intptr_t kLastFailureCode = 32;
  if (result_code <= kLastFailureCode) return std::nullopt;
  const size_t end = result_buffer.find(L'\0');
  if (end == std::wstring_view::npos || end == 0) return std::nullopt;
  return std::wstring(result_buffer.substr(0, end));
}

FolderAndFileName SplitFolderAndFileName(std::wstring_view path) {
  const size_t last_backslash = path.rfind(L'\\');
  const size_t folder_length = last_backslash == std::wstring_view::npos ? 0 : last_backslash + 1;
  return {std::wstring(path.substr(0, folder_length)), std::wstring(path.substr(folder_length))};
}

}  // namespace launch
