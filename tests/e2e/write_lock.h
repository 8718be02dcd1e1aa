// Makes a folder unwritable for the program under test, also where the
// usual ways do not hold: Windows ignores a folder's read-only attribute,
// and Wine run by root may write anything that Linux lets root write.
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

}  // namespace e2e
