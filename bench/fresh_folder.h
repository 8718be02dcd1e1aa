// A fresh folder under the temporary folder for one run of one program,
// removed with everything in it at the end, and the files the runner reads
// and writes there.
#pragma once

#include <windows.h>

#include <string>

#include "test_files_win.h"

namespace bench {

using test_files::Ansi;
using test_files::BuildFolder;
using test_files::ReadBytes;

std::wstring Widen(const std::string& ascii);

class FreshFolder {
 public:
  FreshFolder();
  ~FreshFolder();
  FreshFolder(const FreshFolder&) = delete;
  FreshFolder& operator=(const FreshFolder&) = delete;

  const std::wstring& Path() const { return path_; }
  std::wstring File(const std::wstring& name) const { return path_ + L"\\" + name; }

  // Copies a program of the build folder in; returns the copy's path.
  std::wstring CopyIn(const std::wstring& program) const;
  void Write(const std::wstring& name, const std::string& bytes) const;

 private:
  std::wstring path_;
};

}  // namespace bench
