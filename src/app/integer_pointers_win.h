// Windows hands handles and pointers over in integers: in message
// parameters, in a window's own data, and as a child window's id where a
// menu handle goes. This is the one place that turns such an integer back
// into what it holds.
#pragma once

#include <windows.h>

namespace app {

template <typename Pointer>
Pointer PointerFromInteger(LONG_PTR value) {
  // The integer came from a pointer; there is nothing to optimise away here.
  return reinterpret_cast<Pointer>(value);  // NOLINT(performance-no-int-to-ptr)
}

}  // namespace app
