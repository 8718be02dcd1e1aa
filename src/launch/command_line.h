// Command lines for started programs, built so that the program receives each
// argument exactly as given.
#pragma once

#include <string>
#include <string_view>

namespace launch {

// `argument` in double quotes, escaped so that CommandLineToArgvW (and the C
// runtime's own parser) turn it back into exactly `argument`: spaces, quotes,
// backslashes before a quote and a trailing backslash all survive. Always
// quotes, so an empty argument is still passed.
std::wstring QuoteArgument(std::wstring_view argument);

}  // namespace launch
