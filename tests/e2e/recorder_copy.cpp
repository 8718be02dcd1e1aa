#include "recorder_copy.h"

#include <shellapi.h>

#include <algorithm>
#include <sstream>
#include <stdexcept>

#include "driver.h"

namespace e2e {

namespace {

std::wstring FromUtf8(const std::string& bytes) {
  const int size =
      MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
  std::wstring text(static_cast<size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), size);
  return text;
}

std::vector<std::wstring> ArgumentsAfterProgram(const std::wstring& command_line) {
  int count = 0;
  LPWSTR* split = CommandLineToArgvW(command_line.c_str(), &count);
  std::vector<std::wstring> arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(split[i]);
  LocalFree(split);
  return arguments;
}

// The latest run with the id: an id may be taken again after its run ended.
RecordedRun* RunOf(std::vector<RecordedRun>& runs, DWORD process_id) {
  const auto found = std::find_if(runs.rbegin(), runs.rend(), [&](const RecordedRun& run) {
    return run.process_id == process_id;
  });
  return found == runs.rend() ? nullptr : &*found;
}

// Ends the process unless it has ended already.
void EndProcess(DWORD process_id) {
  const HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, process_id);
  if (!process) return;
  TerminateProcess(process, 1);
  WaitForSingleObject(process, 5000);
  CloseHandle(process);
}

}  // namespace

RecorderCopy::RecorderCopy(std::wstring folder, std::chrono::milliseconds lifetime,
                           const std::wstring& program_name)
    : folder_(std::move(folder)), program_(folder_ + L"\\" + program_name) {
  CreateDirectoryW(folder_.c_str(), nullptr);
  if (!CopyFileW((BuildFolder() + L"\\recorder.exe").c_str(), program_.c_str(), FALSE)) {
    throw std::runtime_error("cannot copy recorder.exe");
  }
  WriteBytes(folder_ + L"\\recorder.ms", std::to_string(lifetime.count()));
}

RecorderCopy::~RecorderCopy() {
  for (const RecordedRun& run : Runs()) {
    if (!run.ended) EndProcess(run.process_id);
  }
}

void RecorderCopy::BroadcastBeforeEnd() const { WriteBytes(folder_ + L"\\recorder.broadcast", ""); }

void RecorderCopy::CrashBeforeEnd() const { WriteBytes(folder_ + L"\\recorder.crash", ""); }

std::vector<RecordedRun> RecorderCopy::Runs() const {
  std::vector<RecordedRun> runs;
  std::wistringstream log(FromUtf8(ReadBytes(folder_ + L"\\recorder.log")));
  std::wstring line;
  while (std::getline(log, line)) {
    if (!line.empty() && line.back() == L'\r') line.pop_back();
    std::wistringstream fields(line);
    std::wstring kind;
    uint64_t time = 0;
    DWORD process_id = 0;
    if (!(fields >> kind >> time >> process_id)) continue;  // a line still being written
    if (kind == L"start") {
      std::wstring command_line;
      std::getline(fields >> std::ws, command_line);
      runs.push_back({process_id, time, std::nullopt, ArgumentsAfterProgram(command_line), -1, {}});
    } else if (RecordedRun* run = RunOf(runs, process_id)) {
      if (kind == L"end") run->ended = time;
      if (kind == L"show") fields >> run->show_command;
      if (kind == L"folder") std::getline(fields >> std::ws, run->working_folder);
    }
  }
  return runs;
}

std::vector<RecordedRun> RecorderCopy::WaitForRuns(size_t count, bool ended,
                                                   std::chrono::milliseconds limit) const {
  std::vector<RecordedRun> runs;
  WaitUntil(
      [&] {
        runs = Runs();
        const auto done = std::count_if(runs.begin(), runs.end(), [&](const RecordedRun& run) {
          return !ended || run.ended.has_value();
        });
        return static_cast<size_t>(done) >= count;
      },
      limit);
  return runs;
}

}  // namespace e2e
