// A fresh folder under the temporary folder for one run of one program,
// removed with everything in it at the end, and the files the runner reads
// and writes there.
#pragma once

#include <windows.h>

#include <string>

namespace bench {

// The runner's own folder, where the programs it measures were built.
std::wstring BuildFolder();

// Bytes of a file; throws std::runtime_error when it cannot be read.
std::string ReadBytes(const std::wstring& path);

// Text in the system code page, as Tavimo reads its store file.
std::string Ansi(const std::wstring& text);
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
