// Command lines by the Windows rules: built for started programs so that each
// receives its arguments exactly as given, and split back into arguments.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace launch {

// `argument` in double quotes, escaped so that CommandLineToArgvW (and the C
// runtime's own parser) turn it back into exactly `argument`: spaces, quotes,
// backslashes before a quote and a trailing backslash all survive. Always
// quotes, so an empty argument is still passed.
std::wstring QuoteArgument(std::wstring_view argument);

// Splits a command line as the C runtime splits the one a program is started
// with: the program's name first, then each argument. The name runs to the
// next quote if it starts with one (no escapes), else to the first blank. In
// the arguments, blanks outside quotes separate; backslashes are literal
// unless they precede a quote; 2n backslashes and a quote give n backslashes
// and a quote that opens or closes; 2n+1 give n backslashes and a literal
// quote; two quotes in a row inside quotes give one literal quote.
std::vector<std::wstring> SplitCommandLine(std::wstring_view line);

}  // namespace launch
