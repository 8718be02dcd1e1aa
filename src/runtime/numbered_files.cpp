#include "runtime/numbered_files.h"

#include <map>

#include "runtime/file_io.h"
#include "runtime/run_error.h"

namespace rt {

namespace {

constexpr int kHighestFreeFileNumber = 255;
constexpr int kHighestFileNumber = 511;

struct OpenFile {
  std::wstring path;
  OpenMode mode;
  // Input: the whole file. Output and append: what Close will write.
  std::string bytes;
  // Input only: reads `bytes`, which a map node never moves.
  RecordReader reader;
};

std::map<int, OpenFile>& OpenFiles() {
  static std::map<int, OpenFile> files;
  return files;
}

bool IsInput(OpenMode mode) { return mode == OpenMode::kInput; }

OpenFile& OpenedFor(int number, bool input) {
  const auto found = OpenFiles().find(number);
  if (found == OpenFiles().end()) Raise(kBadFileNameOrNumber);
  if (IsInput(found->second.mode) != input) Raise(kBadFileMode);
  return found->second;
}

}  // namespace

int FreeFile() {
  for (int number = 1; number <= kHighestFreeFileNumber; ++number) {
    if (OpenFiles().count(number) == 0) return number;
  }
  Raise(kTooManyFiles);
}

void Open(const std::wstring& path, OpenMode mode, int number) {
  if (number < 1 || number > kHighestFileNumber) Raise(kBadFileNameOrNumber);
  if (OpenFiles().count(number) != 0) Raise(kFileAlreadyOpen);
  // Touching the file now makes Open fail where the file cannot be had,
  // rather than a later Close.
  std::string bytes;
  if (IsInput(mode)) {
    bytes = ReadFileBytes(path);
  } else {
    WriteFileBytes(path, {}, mode == OpenMode::kOutput ? WriteMode::kReplace : WriteMode::kAppend);
  }
  OpenFile& file = OpenFiles()[number];
  file.path = path;
  file.mode = mode;
  file.bytes = std::move(bytes);
  if (IsInput(mode)) file.reader = RecordReader(file.bytes);
}

void Close(int number) {
  const auto found = OpenFiles().find(number);
  if (found == OpenFiles().end()) return;
  // Out of the table first, so that a failed write still frees the number.
  const auto closed = OpenFiles().extract(found);
  const OpenFile& file = closed.mapped();
  if (IsInput(file.mode)) return;
  if (!file.bytes.empty()) WriteFileBytes(file.path, file.bytes, WriteMode::kAppend);
  FlushToDisk(file.path);
}

bool EndOfFile(int number) { return OpenedFor(number, true).reader.AtEnd(); }

void WriteRecord(int number, std::initializer_list<RecordField> fields) {
  AppendRecordLine(OpenedFor(number, false).bytes, fields);
}

void WriteRecordLines(int number, std::string lines) {
  std::string& bytes = OpenedFor(number, false).bytes;
  if (bytes.empty()) {
    bytes = std::move(lines);
  } else {
    bytes += lines;
  }
}

void InputTextAndFlag(int number, std::string& text, bool& flag) {
  OpenedFor(number, true).reader.ReadTextAndFlag(text, flag);
}

void Kill(const std::wstring& path) { RemoveFile(path); }

std::wstring Dir(const std::wstring& path) {
  if (!FileExists(path)) return {};
  const size_t separator = path.find_last_of(L"\\/");
  return separator == std::wstring::npos ? path : path.substr(separator + 1);
}

}  // namespace rt
