#include "launch/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace launch {
namespace {

using Arguments = std::vector<std::wstring>;

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t'; }

// Splits a command line as CommandLineToArgvW does, written from its rules
// rather than from QuoteArgument: the program name runs to the next quote if
// it starts with one (no escapes), else to the first blank. In the arguments
// after it, blanks outside quotes separate; backslashes are literal unless
// they precede a quote; 2n backslashes and a quote give n backslashes and a
// quote that opens or closes; 2n+1 give n backslashes and a literal quote.
// Parsers disagree about two quotes in a row inside quotes, so a command
// line that holds them is reported as a failure.
Arguments ParseCommandLine(const std::wstring& line) {
  Arguments arguments;
  size_t i = 0;
  if (line.empty()) return arguments;
  if (line[0] == L'"') {
    const size_t close = line.find(L'"', 1);
    arguments.push_back(line.substr(1, close - 1));
    i = close == std::wstring::npos ? line.size() : close + 1;
  } else {
    while (i < line.size() && !IsBlank(line[i])) ++i;
    arguments.push_back(line.substr(0, i));
  }
  for (;;) {
    while (i < line.size() && IsBlank(line[i])) ++i;
    if (i == line.size()) return arguments;
    std::wstring argument;
    bool in_quotes = false;
    while (i < line.size() && (in_quotes || !IsBlank(line[i]))) {
      if (line[i] == L'\\') {
        size_t backslashes = 0;
        for (; i < line.size() && line[i] == L'\\'; ++i) ++backslashes;
        const bool before_quote = i < line.size() && line[i] == L'"';
        argument.append(before_quote ? backslashes / 2 : backslashes, L'\\');
        if (before_quote && backslashes % 2 == 1) argument += line[i++];
      } else if (line[i] == L'"') {
        if (in_quotes && i + 1 < line.size() && line[i + 1] == L'"') {
          ADD_FAILURE() << "two quotes in a row inside quotes: " << testing::PrintToString(line);
        }
        in_quotes = !in_quotes;
        ++i;
      } else {
        argument += line[i++];
      }
    }
    arguments.push_back(argument);
  }
}

TEST(QuoteArgumentTest, QuotesAndEscapesByTheWindowsRules) {
  EXPECT_EQ(QuoteArgument(L""), L"\"\"");
  EXPECT_EQ(QuoteArgument(L"http://example.com/a b"), L"\"http://example.com/a b\"");
  EXPECT_EQ(QuoteArgument(L"say \"hi\""), L"\"say \\\"hi\\\"\"");
  EXPECT_EQ(QuoteArgument(L"C:\\dir\\"), L"\"C:\\dir\\\\\"");
  EXPECT_EQ(QuoteArgument(L"a\\\\\"b"), L"\"a\\\\\\\\\\\"b\"");
  EXPECT_EQ(QuoteArgument(L"\\\\server\\share\\x"), L"\"\\\\server\\share\\x\"");
}

// Every text of up to `max_length` characters drawn from those the parsing
// rules treat specially and one plain letter.
std::vector<std::wstring> EveryMixOfSpecialCharacters(size_t max_length) {
  std::vector<std::wstring> texts = {L""};
  for (size_t shorter = 0; texts[shorter].size() < max_length; ++shorter) {
    for (wchar_t c : std::wstring(L"a \t\\\"")) texts.push_back(texts[shorter] + c);
  }
  return texts;
}

TEST(QuoteArgumentTest, ParsesBackToExactlyTheArgument) {
  std::vector<std::wstring> arguments = EveryMixOfSpecialCharacters(6);
  arguments.push_back(L"http://example.com/search?q=\"two words\"&x=\\\"y\\");
  arguments.push_back(L"https://例え.jp/網頁?頁=1");
  for (const std::wstring& argument : arguments) {
    ASSERT_EQ(ParseCommandLine(L"p " + QuoteArgument(argument)), (Arguments{L"p", argument}));
  }
}

}  // namespace
}  // namespace launch
