#include "launch/route_lookups.h"

namespace launch {

std::string ProgramRouteFile(std::string_view item_text, uint32_t short_path_length,
                             std::string_view short_path_buffer) {
  if (short_path_length == 0 || short_path_length > short_path_buffer.size()) {
    return std::string(item_text);
  }
  return std::string(short_path_buffer.substr(0, short_path_length));
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
