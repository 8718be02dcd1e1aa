// File types registered in the Wine prefix (or on Windows) for as long as a
// test or a benchmark needs them, so that the shell's lookups find a program
// of its own.
#pragma once

#include <string>

namespace test_files {

// Makes `program` the program that opens files ending in `extension`
// (".htm", ".tvd"), with the registered `arguments` after it ("%1" stands
// for the file), and removes the registration again when it goes.
// Written under HKEY_CLASSES_ROOT itself: Wine's FindExecutable does not
// read HKEY_CURRENT_USER\Software\Classes.
class FileAssociation {
 public:
  // Throws std::runtime_error when the registry refuses the keys.
  FileAssociation(std::wstring extension, std::wstring program, std::wstring arguments = L"\"%1\"");
  ~FileAssociation();
  FileAssociation(const FileAssociation&) = delete;
  FileAssociation& operator=(const FileAssociation&) = delete;

  // The command line that opening `file` runs.
  std::wstring CommandLine(const std::wstring& file) const;

 private:
  std::wstring extension_;
  std::wstring program_;
  std::wstring arguments_;
  std::wstring type_name_;
};

// The program the shell opens the existing file with, or "" when it finds
// none.
std::wstring AssociatedProgram(const std::wstring& file);

}  // namespace test_files
