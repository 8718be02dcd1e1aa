// Numbered run-time errors. Runtime operations and control properties report
// failure by throwing a RunError; the window's event dispatch catches it, ends
// the handler it arose in and shows its number and description.
#pragma once

#include <string>

namespace rt {

enum ErrorNumber : int {
  kInvalidProcedureCall = 5,
  kOverflow = 6,
  kOutOfMemory = 7,
  kTypeMismatch = 13,
  kFileNotFound = 53,
  kFileAlreadyExists = 58,
  kDiskFull = 61,
  kInputPastEndOfFile = 62,
  kPermissionDenied = 70,
  kPathFileAccessError = 75,
  kPathNotFound = 76,
  kInvalidPropertyValue = 380,
  kInvalidPropertyArrayIndex = 381,
  kDllEntryPointNotFound = 453,
};

struct RunError {
  int number;
  std::wstring description;
};

// Throws RunError{number, texts::ErrorDescription(number)}.
[[noreturn]] void Raise(int number);

// Throws RunError{number, description}: for failures that carry the
// system's own words (a file that cannot be written, a program that
// cannot be started).
[[noreturn]] void Raise(int number, std::wstring description);

}  // namespace rt
