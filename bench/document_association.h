// Makes a program the one that opens documents of an extension, where the
// shell looks it up (HKEY_CLASSES_ROOT), for the object's lifetime.
#pragma once

#include <string>

namespace bench {

class DocumentAssociation {
 public:
  DocumentAssociation(const std::wstring& extension, const std::wstring& program);
  ~DocumentAssociation();
  DocumentAssociation(const DocumentAssociation&) = delete;
  DocumentAssociation& operator=(const DocumentAssociation&) = delete;

  // The command line that opening `document` runs.
  std::wstring CommandLine(const std::wstring& document) const;

 private:
  std::wstring extension_;
  std::wstring program_;
};

}  // namespace bench
