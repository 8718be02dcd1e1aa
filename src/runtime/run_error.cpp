#include "runtime/run_error.h"

#include <utility>

namespace rt {

std::wstring DescribeError(int number) {
  switch (number) {
    case kInvalidProcedureCall:
      return L"Invalid procedure call or argument";
    case kOverflow:
      return L"Overflow";
    case kOutOfMemory:
      return L"Out of memory";
    case kTypeMismatch:
      return L"Type mismatch";
    case kBadFileNameOrNumber:
      return L"Bad file name or number";
    case kFileNotFound:
      return L"File not found";
    case kFileAlreadyOpen:
      return L"File already open";
    case kDiskFull:
      return L"Disk full";
    case kInputPastEndOfFile:
      return L"Input past end of file";
    case kTooManyFiles:
      return L"Too many files";
    case kPermissionDenied:
      return L"Permission denied";
    case kPathFileAccessError:
      return L"Path/File access error";
    case kPathNotFound:
      return L"Path not found";
    case kInvalidPropertyValue:
      return L"Invalid property value";
    case kInvalidPropertyArrayIndex:
      return L"Invalid property array index";
    case kDllEntryPointNotFound:
      return L"Specified DLL function not found";
    default:
      return L"Application-defined or object-defined error";
  }
}

void Raise(int number) { throw RunError{number, DescribeError(number)}; }

void Raise(int number, std::wstring description) { throw RunError{number, std::move(description)}; }

}  // namespace rt
