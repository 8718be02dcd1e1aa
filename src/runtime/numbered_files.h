// The runtime's numbered files: a file is opened under a number taken with
// FreeFile, read or written through that number, and closed by it. A file
// opened for input is read whole when it opens; what is written to a file
// opened for output waits in memory and reaches the disk in one write,
// flushed, when it closes. One table serves the whole program, which runs on
// one thread.
#pragma once

#include <initializer_list>
#include <string>

#include "runtime/record_line.h"

namespace rt {

enum class OpenMode {
  kInput = 1,   // the file must exist
  kOutput = 2,  // creates the file or empties it
  kAppend = 8,  // creates the file or writes at its end
};

// The lowest number from 1 to 255 not in use; 67 (Too many files) when all
// are.
int FreeFile();

// Opens `path` under `number` (1 to 511). Fails with 52 for a number out of
// range, 55 for a number already open, and with the file's own error (53 for
// a missing input file) when it cannot be opened; the number stays free.
void Open(const std::wstring& path, OpenMode mode, int number);

// Closes `number`. An output file's waiting bytes are written and flushed
// to disk; if that fails the number is closed all the same and the error
// thrown. A number not open is ignored.
void Close(int number);

// For an input file: true when no record is left (only blank lines remain).
bool EndOfFile(int number);

// For an output file: appends one record line made of `fields`.
void WriteRecord(int number, std::initializer_list<RecordField> fields);

// For an output file: appends record lines already formatted, line ends
// included. Taken by value: a whole file's lines move in without a copy.
void WriteRecordLines(int number, std::string lines);

// For an input file: reads the next record line as a text and a flag. 62
// (Input past end of file) at the end, 13 (Type mismatch) for a line it
// cannot read.
void InputTextAndFlag(int number, std::string& text, bool& flag);

// The functions taking a number fail with 52 (Bad file name or number) for
// one not open and 54 (Bad file mode) for a file open in the other direction.

// Deletes a file: 53 when there is none.
void Kill(const std::wstring& path);

// The file name part of `path` when such a file exists, else "".
std::wstring Dir(const std::wstring& path);

}  // namespace rt
