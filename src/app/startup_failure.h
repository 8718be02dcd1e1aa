// A failure that keeps the program from starting: the step that failed and
// the system's error code for it.
#pragma once

namespace app {

struct StartupFailure {
  enum class Step { kRegisterWindowClass, kCreateWindow, kInitializeOle };
  Step step;
  unsigned long error;
};

}  // namespace app
