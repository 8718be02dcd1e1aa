#include "fresh_folder.h"

#include <stdexcept>

namespace bench {

using test_files::Fail;
using test_files::RemoveTree;

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

FreshFolder::FreshFolder() : path_(test_files::MakeFreshFolder(L"tavimo-bench-")) {}

FreshFolder::~FreshFolder() { RemoveTree(path_); }

std::wstring FreshFolder::CopyIn(const std::wstring& program) const {
  const std::wstring copy = File(program);
  if (!CopyFileW((BuildFolder() + L"\\" + program).c_str(), copy.c_str(), FALSE)) {
    Fail(L"cannot copy " + program);
  }
  return copy;
}

void FreshFolder::Write(const std::wstring& name, const std::string& bytes) const {
  test_files::WriteBytes(File(name), bytes);
}

}  // namespace bench
