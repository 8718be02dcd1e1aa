#include "bench_stores.h"

#include <algorithm>
#include <stdexcept>

namespace bench {

namespace {

void AppendRecordLine(std::string& out, const std::string& text, bool selected) {
  out += '"';
  out += text;
  out += selected ? "\",#TRUE#\r\n" : "\",#FALSE#\r\n";
}

// "C:\Programs\01234\" and a tool name padded with letters to the length.
std::string ProgramPath(int index, size_t text_length) {
  std::string number = std::to_string(index);
  number.insert(0, 5 - std::min<size_t>(5, number.size()), '0');
  std::string path = "C:\\Programs\\" + number + "\\tool-";
  const std::string ending = ".exe";
  for (char letter = 'a'; path.size() + ending.size() < text_length;
       letter = letter == 'z' ? 'a' : static_cast<char>(letter + 1)) {
    path += letter;
  }
  return path + ending;
}

}  // namespace

std::string FullListStore(int count, size_t text_length) {
  if (text_length < kShortestProgramPath) throw std::invalid_argument("path too short");
  std::string bytes;
  bytes.reserve(static_cast<size_t>(count) * (text_length + 12));
  for (int i = 0; i < count; ++i) AppendRecordLine(bytes, ProgramPath(i, text_length), false);
  return bytes;
}

std::string DocumentName(int index) {
  return "document-" + std::to_string(index) + kDocumentExtension;
}

std::string WalkStore(const std::string& folder, int count) {
  std::string bytes;
  for (int i = 0; i < count; ++i) AppendRecordLine(bytes, folder + "\\" + DocumentName(i), true);
  return bytes;
}

}  // namespace bench
