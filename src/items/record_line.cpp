#include "items/record_line.h"

namespace items {

namespace {

constexpr std::string_view kTrueField = "#TRUE#";
constexpr std::string_view kFalseField = "#FALSE#";
constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kBlanks = " \t";
constexpr std::string_view kBlanksAndLineEnds = " \t\r\n";
constexpr char kEndOfFileMark = '\x1a';

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
  }
  return true;
}

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string_view TrimTrailingBlanks(std::string_view text) {
  return text.substr(0, text.find_last_not_of(kBlanks) + 1);
}

bool IsBlank(std::string_view line) { return line.find_first_not_of(kBlanks) == line.npos; }

// Takes "," and `field` off the end of `line` when the line ends in them,
// the field in any letter case, blanks allowed between them.
bool TakeFinalField(std::string_view& line, std::string_view field) {
  if (line.size() < field.size()) return false;
  if (!EqualIgnoringCase(line.substr(line.size() - field.size()), field)) return false;
  const std::string_view before = TrimTrailingBlanks(line.substr(0, line.size() - field.size()));
  if (before.empty() || before.back() != ',') return false;
  line = before.substr(0, before.size() - 1);
  return true;
}

std::string_view WithoutFinalEndOfFileMark(std::string_view bytes) {
  const size_t last = bytes.find_last_not_of(kBlanksAndLineEnds);
  return last != bytes.npos && bytes[last] == kEndOfFileMark ? bytes.substr(0, last) : bytes;
}

}  // namespace

void AppendRecordLine(std::string& out, std::initializer_list<RecordField> fields) {
  bool first = true;
  for (const RecordField& field : fields) {
    if (!first) out += ',';
    first = false;
    if (field.is_boolean) {
      out += field.flag ? kTrueField : kFalseField;
    } else {
      out += '"';
      out += field.text;
      out += '"';
    }
  }
  out += kLineEnd;
}

bool ParseTextAndFlag(std::string_view line, std::string_view& text, bool& flag) {
  if (line.find('\0') != std::string_view::npos) return false;
  line = TrimTrailingBlanks(line);
  bool read_flag = false;
  if (TakeFinalField(line, kTrueField)) {
    read_flag = true;
  } else if (!TakeFinalField(line, kFalseField)) {
    return false;
  }
  line = TrimBlanks(line);
  if (!line.empty() && line.front() == '"') {
    if (line.size() < 2 || line.back() != '"') return false;
    line = line.substr(1, line.size() - 2);
  }
  text = line;
  flag = read_flag;
  return true;
}

std::string_view LineReader::NextLine() {
  // A plain scan: find_first_of tests each byte against a set of two through
  // a library call, which makes reading a long list several times slower.
  size_t end = 0;
  while (end < rest_.size() && rest_[end] != '\r' && rest_[end] != '\n') ++end;
  if (end == rest_.size()) {
    const std::string_view line = rest_;
    rest_ = {};
    return line;
  }
  const std::string_view line = rest_.substr(0, end);
  const bool crlf = rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n';
  rest_.remove_prefix(end + (crlf ? 2 : 1));
  return line;
}

RecordReader::RecordReader(std::string_view bytes) : lines_(WithoutFinalEndOfFileMark(bytes)) {}

bool RecordReader::AtEnd() const {
  return lines_.Rest().find_first_not_of(kBlanksAndLineEnds) == std::string_view::npos;
}

bool RecordReader::ReadTextAndFlag(std::string& text, bool& flag) {
  if (AtEnd()) return false;
  // Not at the end, so a line that is not blank follows.
  std::string_view line;
  do {
    line = lines_.NextLine();
    ++line_;
  } while (IsBlank(line));
  std::string_view read_text;
  if (!ParseTextAndFlag(line, read_text, flag)) return false;
  text.assign(read_text);
  return true;
}

}  // namespace items
