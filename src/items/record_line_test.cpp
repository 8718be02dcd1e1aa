#include "items/record_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace items {
namespace {

struct TextAndFlag {
  std::string text;
  bool flag;
  bool operator==(const TextAndFlag& other) const {
    return text == other.text && flag == other.flag;
  }
};

std::ostream& operator<<(std::ostream& out, const TextAndFlag& read) {
  return out << '[' << read.text << "] " << (read.flag ? "true" : "false");
}

std::optional<TextAndFlag> Parse(std::string_view line) {
  std::string_view text;
  bool flag = false;
  if (!ParseTextAndFlag(line, text, flag)) return std::nullopt;
  return TextAndFlag{std::string(text), flag};
}

std::string Line(std::string_view text, bool flag) {
  std::string line;
  AppendRecordLine(line, {StringField(text), BooleanField(flag)});
  return line;
}

std::vector<std::string> AllLines(std::string_view bytes) {
  LineReader reader(bytes);
  std::vector<std::string> lines;
  while (!reader.Rest().empty()) lines.emplace_back(reader.NextLine());
  return lines;
}

TEST(RecordLineWrite, StringAndBooleanFieldsEndInCrLf) {
  EXPECT_EQ(Line("C:\\Tools\\a.exe", true), "\"C:\\Tools\\a.exe\",#TRUE#\r\n");
  EXPECT_EQ(Line("", false), "\"\",#FALSE#\r\n");
}

TEST(RecordLineWrite, TextIsWrittenUnchangedWithoutEscapes) {
  EXPECT_EQ(Line("http://x/?a=1,b=\"2\"", false), "\"http://x/?a=1,b=\"2\"\",#FALSE#\r\n");
}

TEST(RecordLineWrite, SingleStringFieldAndAppendingAfterEarlierLines) {
  std::string out = "earlier\r\n";
  AppendRecordLine(out, {StringField("<HTML> <\\HTML>")});
  EXPECT_EQ(out, "earlier\r\n\"<HTML> <\\HTML>\"\r\n");
}

TEST(RecordLineRead, QuotedTextAndFlag) {
  EXPECT_EQ(Parse("\"C:\\Tools\\a.exe\",#TRUE#"), (TextAndFlag{"C:\\Tools\\a.exe", true}));
  EXPECT_EQ(Parse("\"\",#FALSE#"), (TextAndFlag{"", false}));
}

TEST(RecordLineRead, CommasInsideTheTextStayInTheText) {
  EXPECT_EQ(Parse("\"http://x/?a=1,b=2\",#TRUE#"), (TextAndFlag{"http://x/?a=1,b=2", true}));
  EXPECT_EQ(Parse("\"a,#TRUE#\",#FALSE#"), (TextAndFlag{"a,#TRUE#", false}));
}

TEST(RecordLineRead, DoubleQuoteInsideTheTextReadsBackUnchanged) {
  EXPECT_EQ(Parse("\"say \"hi\" now\",#TRUE#"), (TextAndFlag{"say \"hi\" now", true}));
  EXPECT_EQ(Parse("\"\"\"\",#TRUE#"), (TextAndFlag{"\"\"", true}));
}

TEST(RecordLineRead, UnquotedTextIsTakenAsItStands) {
  EXPECT_EQ(Parse("C:\\a.exe,#TRUE#"), (TextAndFlag{"C:\\a.exe", true}));
  EXPECT_EQ(Parse("ab\"c,#FALSE#"), (TextAndFlag{"ab\"c", false}));
  EXPECT_EQ(Parse(",#FALSE#"), (TextAndFlag{"", false}));
}

TEST(RecordLineRead, SpacesAroundTheTextAreTrimmedButNotInsideQuotes) {
  EXPECT_EQ(Parse("  \" a b \"\t ,#TRUE#"), (TextAndFlag{" a b ", true}));
  EXPECT_EQ(Parse(" plain text ,#FALSE#"), (TextAndFlag{"plain text", false}));
}

TEST(RecordLineRead, FlagInAnyLetterCaseAndTrailingBlanks) {
  EXPECT_EQ(Parse("\"a\",#true#"), (TextAndFlag{"a", true}));
  EXPECT_EQ(Parse("\"a\",#False#"), (TextAndFlag{"a", false}));
  EXPECT_EQ(Parse("\"a\",#TRUE#  \t "), (TextAndFlag{"a", true}));
}

TEST(RecordLineRead, BlanksAroundTheCommaAreNoPartOfEitherField) {
  EXPECT_EQ(Parse("\"a\" , #TRUE#"), (TextAndFlag{"a", true}));
  EXPECT_EQ(Parse("\"a\",\t#false#"), (TextAndFlag{"a", false}));
  EXPECT_EQ(Parse("\"a , \"  ,  #TRUE#"), (TextAndFlag{"a , ", true}));
}

TEST(RecordLineRead, UnreadableLinesFail) {
  for (const char* line : {
           "",                       // nothing at all
           "\"a\"",                  // no flag
           "\"a\",",                 // empty flag
           "\"a\",#TRU",             // flag cut short
           "\"a\",TRUE",             // flag without its #
           "\"a\",-1",               // a number is no Boolean field here
           "\"a\"#TRUE#",            // no comma before the flag
           "\"a\" #TRUE#",           // a blank is no comma
           "\"a\",#TRUE#,",          // a field after the flag
           "\"a\",#TRUE# x",         // text after the flag
           "\"unterminated,#TRUE#",  // quote never closed
           "\",#TRUE#",              // a lone quote
           "#TRUE#",                 // the flag alone
       }) {
    EXPECT_EQ(Parse(line), std::nullopt) << "line: " << line;
  }
}

TEST(RecordLineRead, NulByteAnywhereFails) {
  using namespace std::string_literals;
  EXPECT_EQ(Parse("\"a\0b\",#TRUE#"s), std::nullopt);
  EXPECT_EQ(Parse("\0\"ab\",#TRUE#"s), std::nullopt);
  EXPECT_EQ(Parse("\"ab\",#TRUE#\0"s), std::nullopt);
}

TEST(RecordLineRead, FailureLeavesTheOutputsAlone) {
  std::string_view text = "before";
  bool flag = true;
  EXPECT_FALSE(ParseTextAndFlag("\"a\",#FALSE", text, flag));
  EXPECT_EQ(text, "before");
  EXPECT_TRUE(flag);
}

TEST(RecordLineRead, VeryLongLine) {
  const std::string text(1 << 20, 'x');
  const std::string line = Line(text, true);
  EXPECT_EQ(Parse(std::string_view(line).substr(0, line.size() - 2)), (TextAndFlag{text, true}));
}

TEST(RecordLineRoundTrip, WrittenTextsReadBackUnchanged) {
  for (const char* text : {"", " ", "  padded  ", "a,b,c", "\"", "\"\"", "x\",#TRUE#", "say \"hi\"",
                           "#FALSE#", ",", "\t tab"}) {
    for (const bool flag : {true, false}) {
      const std::string line = Line(text, flag);
      ASSERT_EQ(line.substr(line.size() - 2), "\r\n");
      EXPECT_EQ(Parse(std::string_view(line).substr(0, line.size() - 2)), (TextAndFlag{text, flag}))
          << "line: " << line;
    }
  }
}

TEST(LineReader, SplitsAtCrLfLfAndLoneCr) {
  EXPECT_EQ(AllLines("a\r\nb\nc\rd\r\n"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(AllLines("a\r\r\nb"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(AllLines("a\n\r\nb\n\n"), (std::vector<std::string>{"a", "", "b", ""}));
}

TEST(LineReader, LastLineNeedsNoLineEnd) {
  EXPECT_EQ(AllLines("a\r\nb"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(AllLines("a\r\nb\r\n"), (std::vector<std::string>{"a", "b"}));
  EXPECT_EQ(AllLines("a\r"), (std::vector<std::string>{"a"}));
}

TEST(LineReader, EmptyBufferHasNoLines) { EXPECT_TRUE(AllLines("").empty()); }

TEST(RecordReader, ReadsRecordsInOrderUntilTheEnd) {
  RecordReader reader("\"a\",#TRUE#\r\n\"b\",#FALSE#");
  std::string text;
  bool flag = false;
  ASSERT_FALSE(reader.AtEnd());
  EXPECT_TRUE(reader.ReadTextAndFlag(text, flag));
  EXPECT_EQ((TextAndFlag{text, flag}), (TextAndFlag{"a", true}));
  ASSERT_FALSE(reader.AtEnd());
  EXPECT_TRUE(reader.ReadTextAndFlag(text, flag));
  EXPECT_EQ((TextAndFlag{text, flag}), (TextAndFlag{"b", false}));
  EXPECT_TRUE(reader.AtEnd());
}

// Every record a reader gives, with the line it stood on.
std::vector<std::pair<int, TextAndFlag>> AllRecords(std::string_view bytes) {
  RecordReader reader(bytes);
  std::vector<std::pair<int, TextAndFlag>> records;
  std::string text;
  bool flag = false;
  while (!reader.AtEnd()) {
    EXPECT_TRUE(reader.ReadTextAndFlag(text, flag)) << "line " << reader.Line();
    records.push_back({reader.Line(), {text, flag}});
  }
  return records;
}

TEST(RecordReader, BlankLinesAnywhereAreNoRecordsButCountAsLines) {
  EXPECT_TRUE(RecordReader("").AtEnd());
  EXPECT_TRUE(RecordReader("\r\n \t\r\n\n\r").AtEnd());
  EXPECT_EQ(AllRecords("\r\n\"a\",#TRUE#\r\n \r\n\t\n\"b\",#FALSE#\r\n\r\n"),
            (std::vector<std::pair<int, TextAndFlag>>{{2, {"a", true}}, {5, {"b", false}}}));
}

TEST(RecordReader, FinalCtrlZEndsTheFile) {
  const std::vector<std::pair<int, TextAndFlag>> one_record{{1, {"a", true}}};
  EXPECT_EQ(AllRecords("\"a\",#TRUE#\r\n\x1a"), one_record);
  EXPECT_EQ(AllRecords("\"a\",#TRUE#\x1a"), one_record);
  EXPECT_EQ(AllRecords("\"a\",#TRUE#\r\n\x1a\r\n"), one_record);
  EXPECT_TRUE(RecordReader("\x1a").AtEnd());
}

TEST(RecordReader, CtrlZBeforeMoreRecordsIsNoEnd) {
  RecordReader reader("\"a\",#TRUE#\r\n\x1a\r\n\"b\",#TRUE#\r\n");
  std::string text;
  bool flag = false;
  EXPECT_TRUE(reader.ReadTextAndFlag(text, flag));
  EXPECT_FALSE(reader.ReadTextAndFlag(text, flag));
  EXPECT_EQ(reader.Line(), 2);
}

TEST(RecordReader, PastTheEndAndUnreadableLinesReadNothing) {
  RecordReader reader("bad line\r\n\"ok\",#FALSE#\r\n\r\n");
  std::string text = "kept";
  bool flag = true;
  EXPECT_FALSE(reader.ReadTextAndFlag(text, flag)) << "an unreadable line was read";
  EXPECT_EQ((TextAndFlag{text, flag}), (TextAndFlag{"kept", true}));
  EXPECT_EQ(reader.Line(), 1);
  EXPECT_TRUE(reader.ReadTextAndFlag(text, flag));  // the bad line is behind it now
  EXPECT_EQ((TextAndFlag{text, flag}), (TextAndFlag{"ok", false}));
  EXPECT_FALSE(reader.ReadTextAndFlag(text, flag)) << "read past the end";
  EXPECT_EQ((TextAndFlag{text, flag}), (TextAndFlag{"ok", false}));
}

}  // namespace
}  // namespace items
