#include "runtime/run_error.h"

#include <utility>

#include "runtime/texts.h"

namespace rt {

void Raise(int number) { throw RunError{number, texts::ErrorDescription(number)}; }

void Raise(int number, std::wstring description) { throw RunError{number, std::move(description)}; }

}  // namespace rt
