// Keeps the program under test from its files: makes a folder unwritable,
// also where the usual ways do not hold (Windows ignores a folder's
// read-only attribute, and Wine run by root may write anything that Linux
// lets root write), or holds a file open as another program may.
#pragma once

#include <string>

namespace e2e {

// While it lives, no file can be created in, deleted from or renamed within
// the folder; files already in it keep their own permissions.
class FolderWriteLock {
 public:
  explicit FolderWriteLock(const std::wstring& folder);
  ~FolderWriteLock();
  FolderWriteLock(const FolderWriteLock&) = delete;
  FolderWriteLock& operator=(const FolderWriteLock&) = delete;

 private:
  std::wstring folder_;
};

// While it lives, the file is held open with no sharing, as a program that
// keeps its file to itself does: no other program can open it.
class ExclusiveFileHold {
 public:
  explicit ExclusiveFileHold(const std::wstring& file);
  ~ExclusiveFileHold();
  ExclusiveFileHold(const ExclusiveFileHold&) = delete;
  ExclusiveFileHold& operator=(const ExclusiveFileHold&) = delete;

 private:
  void* handle_;
};

}  // namespace e2e
