#include "launch/route_lookups.h"

#include "runtime/ansi.h"

namespace launch {

namespace {

// The path in the code page, if the code page holds it exactly and it is no
// longer than `most_bytes`.
std::optional<std::string> ExactWithin(const std::wstring& path, size_t most_bytes) {
  std::string bytes;
  if (path.empty() || !rt::ToAnsiExact(path, bytes) || bytes.size() > most_bytes) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace

std::string PathForAnsiCall(const std::wstring& path, const ShortPathOf& short_path_of) {
  if (auto as_it_stands = ExactWithin(path, kMaxAnsiPath)) return *std::move(as_it_stands);
  if (auto short_form = ExactWithin(short_path_of(path), kMaxAnsiPath)) {
    return *std::move(short_form);
  }
  return rt::ToAnsi(path);
}

std::string ProgramRouteFile(const std::wstring& item_text, const ShortPathOf& short_path_of) {
  std::wstring short_path = short_path_of(item_text);
  if (auto short_form = ExactWithin(short_path, kShortPathBufferSize - 1)) {
    return *std::move(short_form);
  }
  // The short path is known now: asked again it would cost the file system.
  return PathForAnsiCall(item_text, [&short_path](const std::wstring&) { return short_path; });
}

uint32_t ShellStartError(uint32_t last_error, intptr_t result_code) {
  if (last_error != 0) return last_error;
  // The shell's result codes by the Windows errors they stand for; below 12
  // the two sets share their numbers.
  constexpr uint32_t kOutOfMemory = 8, kSharingViolation = 32, kNoAssociation = 1155,
                     kDdeFailed = 1156, kDllNotFound = 1157, kGeneralFailure = 31;
  switch (result_code) {
    case 0:
      return kOutOfMemory;
    case 26:
      return kSharingViolation;
    case 27:
    case 31:
      return kNoAssociation;
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

std::optional<std::string> FoundProgram(std::string_view result_buffer, intptr_t result_code) {
  // FindExecutableA reports success by a result code above 32.
  constexpr intptr_t kLastFailureCode = 32;
  if (result_code <= kLastFailureCode) return std::nullopt;
  const size_t end = result_buffer.find('\0');
  if (end == std::string_view::npos || end == 0) return std::nullopt;
  return std::string(result_buffer.substr(0, end));
}

FolderAndFileName SplitFolderAndFileName(std::wstring_view item_text) {
  const size_t last_backslash = item_text.rfind(L'\\');
  const size_t folder_length = last_backslash == std::wstring_view::npos ? 0 : last_backslash + 1;
  return {std::wstring(item_text.substr(0, folder_length)),
          std::wstring(item_text.substr(folder_length))};
}

}  // namespace launch
