#include "launch/command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace launch {
namespace {

using Arguments = std::vector<std::wstring>;

// Cases from the rules as Microsoft documents them for the C runtime's
// parser ("Parsing C command-line arguments"), and the program's name, which
// follows rules of its own.
TEST(SplitCommandLineTest, SplitsByTheWindowsRules) {
  const struct {
    const wchar_t* line;
    Arguments expected;
  } cases[] = {
      {L"", {}},
      {L"tavimo.exe", {L"tavimo.exe"}},
      {L"\"C:\\Program Files\\Tavimo\\tavimo.exe\" /run",
       {L"C:\\Program Files\\Tavimo\\tavimo.exe", L"/run"}},
      {L"\"C:\\a b\\t.exe\"/run", {L"C:\\a b\\t.exe", L"/run"}},
      {L"C:\\dir\\\"t.exe  \t/run ", {L"C:\\dir\\\"t.exe", L"/run"}},
      {L"p \"a b c\" d e", {L"p", L"a b c", L"d", L"e"}},
      {L"p \"ab\\\"c\" \"\\\\\" d", {L"p", L"ab\"c", L"\\", L"d"}},
      {L"p a\\\\\\b d\"e f\"g h", {L"p", L"a\\\\\\b", L"de fg", L"h"}},
      {L"p a\\\\\\\"b c d", {L"p", L"a\\\"b", L"c", L"d"}},
      {L"p a\\\\\\\\\"b c\" d e", {L"p", L"a\\\\b c", L"d", L"e"}},
      {L"p \"a\"\"b\" \"\"", {L"p", L"a\"b", L""}},
      {L"p \"unclosed arg", {L"p", L"unclosed arg"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SplitCommandLine(c.line), c.expected) << testing::PrintToString(std::wstring(c.line));
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
    ASSERT_EQ(SplitCommandLine(L"p " + QuoteArgument(argument)), (Arguments{L"p", argument}));
  }
}

}  // namespace
}  // namespace launch
