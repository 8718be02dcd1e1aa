// How an operation fails: it throws a Failure that says what kind of failure
// it was, what it concerns and, where the system reported it, the system's
// own code and words for it. Callers that act on a failure tell the kinds
// apart; the window words a failure for the user.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace rt {

enum class FailureKind {
  // Files.
  kFileNotFound,
  kPathNotFound,
  kFileExists,
  kAccessDenied,
  kDiskFull,
  kFileError,  // any other failure of a file
  // Memory, a list with no room for another item included.
  kOutOfMemory,
  // The system DLLs loaded when first needed.
  kLibraryNotLoaded,
  kFunctionNotFound,
  // Values that the window's controls and its layout refuse.
  kBadArgument,  // an item to remove or move that is not in the list
  kBadValue,     // a place or size that is no number, out of range or negative
  kNoSuchItem,   // an item's text or flag asked for past the list's end
  kOverflow,     // a result beyond the range of its type
};

struct Failure {
  explicit Failure(FailureKind kind, std::wstring subject = {})
      : kind(kind), subject(std::move(subject)) {}
  // A failure that the system reported.
  Failure(FailureKind kind, std::wstring subject, uint32_t system_code, std::wstring system_reason)
      : kind(kind),
        subject(std::move(subject)),
        system_code(system_code),
        system_reason(std::move(system_reason)) {}

  FailureKind kind;
  // What failed: a file, both files of a copy or a move ("from -> to"), a
  // DLL; "" when nothing in particular.
  std::wstring subject;
  // kFunctionNotFound: the function that the DLL named by `subject` lacks.
  std::wstring function;
  // Where the system reported the failure: its error code, and its own words
  // for it ("" when it has none for the code).
  uint32_t system_code = 0;
  std::wstring system_reason;
};

}  // namespace rt
