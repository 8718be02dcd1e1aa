// Shell shortcuts (.lnk files) made the way the shell makes them.
#pragma once

#include <string>

namespace e2e {

// Saves a shortcut at `link_path` that starts `target` with `arguments`.
// Initialises COM for the call and uninitialises it again, so that the test
// keeps no window that a broadcast would wait for.
void CreateShortcut(const std::wstring& link_path, const std::wstring& target,
                    const std::wstring& arguments);

}  // namespace e2e
