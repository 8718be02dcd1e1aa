#include "runtime/program_folder.h"

namespace rt {

std::wstring InProgramFolder(std::wstring_view folder, std::wstring_view file_name) {
  std::wstring path(folder);
  if (path.empty() || path.back() != L'\\') path += L'\\';
  path += file_name;
  return path;
}

}  // namespace rt
