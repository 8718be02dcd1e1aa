// The runtime's numbered files: a file is opened for output under a number
// taken with FreeFile, written through that number, and closed by it. What
// is written waits in memory and reaches the disk in one write, flushed,
// when the file closes. One table serves the whole program, which runs on
// one thread.
#pragma once

#include <string>

namespace rt {

// The lowest number from 1 to 255 not in use; 67 (Too many files) when all
// are.
int FreeFile();

// Creates the file at `path`, or empties it, and opens it for output under
// `number` (1 to 511). Fails with 52 for a number out of range, 55 for a
// number already open, and with the file's own error when it cannot be
// opened; the number stays free.
void OpenForOutput(const std::wstring& path, int number);

// Closes `number`. The file's waiting bytes are written and flushed to
// disk; if that fails the number is closed all the same and the error
// thrown. A number not open is ignored.
void Close(int number);

// Appends record lines already formatted, line ends included. Taken by
// value: a whole file's lines move in without a copy.
void WriteRecordLines(int number, std::string lines);

// The functions writing to a number fail with 52 (Bad file name or number)
// for one not open.

}  // namespace rt
