// File types registered in the test's Wine prefix for as long as a test
// needs them, so that the shell's lookups find a program of the test's own.
#pragma once

#include <string>

namespace e2e {

// Makes `program` the program that opens files ending in `extension`
// (".htm", ".tvd"), and removes the registration again when it goes.
// Written under HKEY_CLASSES_ROOT itself: Wine's FindExecutable does not
// read HKEY_CURRENT_USER\Software\Classes.
class FileAssociation {
 public:
  FileAssociation(std::wstring extension, const std::wstring& program);
  ~FileAssociation();
  FileAssociation(const FileAssociation&) = delete;
  FileAssociation& operator=(const FileAssociation&) = delete;

 private:
  std::wstring extension_;
  std::wstring type_name_;
};

// The program the shell opens the existing file with, or "" when it finds
// none.
std::wstring AssociatedProgram(const std::wstring& file);

}  // namespace e2e
