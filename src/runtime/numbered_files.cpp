#include "runtime/numbered_files.h"

#include <map>
#include <utility>

#include "runtime/file_io.h"
#include "runtime/run_error.h"

namespace rt {

namespace {

constexpr int kHighestFreeFileNumber = 255;
constexpr int kHighestFileNumber = 511;

struct OpenFile {
  std::wstring path;
  // What Close will write.
  std::string bytes;
};

std::map<int, OpenFile>& OpenFiles() {
  static std::map<int, OpenFile> files;
  return files;
}

OpenFile& Opened(int number) {
  const auto found = OpenFiles().find(number);
  if (found == OpenFiles().end()) Raise(kBadFileNameOrNumber);
  return found->second;
}

}  // namespace

int FreeFile() {
  for (int number = 1; number <= kHighestFreeFileNumber; ++number) {
    if (OpenFiles().count(number) == 0) return number;
  }
  Raise(kTooManyFiles);
}

void OpenForOutput(const std::wstring& path, int number) {
  if (number < 1 || number > kHighestFileNumber) Raise(kBadFileNameOrNumber);
  if (OpenFiles().count(number) != 0) Raise(kFileAlreadyOpen);
  // Emptying the file now makes the open fail where the file cannot be
  // had, rather than a later Close.
  WriteWholeFile(path, {});
  OpenFiles()[number].path = path;
}

void Close(int number) {
  const auto found = OpenFiles().find(number);
  if (found == OpenFiles().end()) return;
  // Out of the table first, so that a failed write still frees the number.
  const auto closed = OpenFiles().extract(found);
  const OpenFile& file = closed.mapped();
  // The open emptied the file: everything written since is its whole.
  WriteWholeFile(file.path, file.bytes);
}

void WriteRecordLines(int number, std::string lines) {
  std::string& bytes = Opened(number).bytes;
  if (bytes.empty()) {
    bytes = std::move(lines);
  } else {
    bytes += lines;
  }
}

}  // namespace rt
