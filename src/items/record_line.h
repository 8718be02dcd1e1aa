// Record lines: the lines of text files that Write # writes and Input #
// reads. Fields stand in order, separated by ","; a string field is its text
// between double quotes, unchanged (the format has no escape, not even for a
// double quote); a Boolean field is #TRUE# or #FALSE#; CR LF ends the line.
// Everything here is bytes already in the system code page.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace items {

// One field of a record line to be written; made by StringField or
// BooleanField.
struct RecordField {
  bool is_boolean;
  std::string_view text;
  bool flag;
};

inline RecordField StringField(std::string_view bytes) { return {false, bytes, false}; }
inline RecordField BooleanField(bool flag) { return {true, {}, flag}; }

// Appends one record line made of `fields`, CR LF included, to `out`.
void AppendRecordLine(std::string& out, std::initializer_list<RecordField> fields);

// Reads the one record form the program reads, "a string field and a Boolean
// field", from one line without its line end. The line must end (trailing
// spaces and tabs aside) in "," and #TRUE# or #FALSE#, in any letter case,
// with spaces or tabs allowed between the comma and the flag.
// The text is all before that last comma, trimmed of spaces and tabs; if it
// begins with a double quote it must end with one and is what lies between
// them, so a double quote written inside a text reads back unchanged. A NUL
// byte anywhere fails the line: the list box would cut the text at it.
// Returns false, leaving text and flag alone, for a line it cannot read.
bool ParseTextAndFlag(std::string_view line, std::string_view& text, bool& flag);

// Splits a byte buffer into lines at CR LF, LF or a lone CR.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : rest_(bytes) {}

  // The next line, without its line end. Only when Rest() is not empty.
  std::string_view NextLine();

  // The bytes not yet read.
  std::string_view Rest() const { return rest_; }

 private:
  std::string_view rest_;
};

// Reads record lines one after another from a file's bytes. Blank lines
// (nothing but spaces and tabs) are no records: an editor leaves them
// between records and at the end. A Ctrl-Z (0x1A) with only blank lines
// after it ends the file: old editors and "copy /a" mark the end of a text
// file so. The bytes must outlive the reader.
class RecordReader {
 public:
  explicit RecordReader(std::string_view bytes);

  // True when nothing but blank lines is left.
  bool AtEnd() const;

  // Reads the next record line as a text and a flag (ParseTextAndFlag),
  // passing over the blank lines before it. False, leaving text and flag
  // alone, when AtEnd() or for a line it cannot read; that line is consumed
  // either way.
  bool ReadTextAndFlag(std::string& text, bool& flag);

  // The 1-based line of the record read last, read or not; 0 before the
  // first.
  int Line() const { return line_; }

 private:
  LineReader lines_;
  int line_ = 0;
};

}  // namespace items
