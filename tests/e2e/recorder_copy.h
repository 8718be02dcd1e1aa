// A copy of the recorder in a folder of its own, standing in for one program
// that Tavimo starts (a plain program, the browser, a document's editor),
// and what its recorder.log says about each time it was started.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// One start of the recorder, as it wrote it down. Times are FILETIME ticks.
struct RecordedRun {
  DWORD process_id = 0;
  uint64_t started = 0;
  std::optional<uint64_t> ended;
  // The command line after the program name, split as CommandLineToArgvW
  // splits it.
  std::vector<std::wstring> arguments;
  // The show state the starter asked for; -1 until it is written down.
  int show_command = -1;
  // The folder it was started in, without a "\" at its end.
  std::wstring working_folder;
};

class RecorderCopy {
 public:
  // Copies recorder.exe into `folder`, made if missing, as `program_name`;
  // each run lives for `lifetime` before it ends.
  RecorderCopy(std::wstring folder, std::chrono::milliseconds lifetime,
               const std::wstring& program_name = L"recorder.exe");
  // Ends the runs still going, so that the folder can be removed.
  ~RecorderCopy();
  RecorderCopy(const RecorderCopy&) = delete;
  RecorderCopy& operator=(const RecorderCopy&) = delete;

  const std::wstring& Program() const { return program_; }

  // Makes every later run send a message to all top-level windows, and wait
  // for their answers, before it ends.
  void BroadcastBeforeEnd() const;
  // Makes every later run crash, with an unhandled exception, instead of
  // ending.
  void CrashBeforeEnd() const;

  // The runs in the order they started.
  std::vector<RecordedRun> Runs() const;

  // Waits until `count` runs have started (and, with `ended`, ended too);
  // returns the runs as they then stand.
  std::vector<RecordedRun> WaitForRuns(
      size_t count, bool ended, std::chrono::milliseconds limit = std::chrono::seconds(10)) const;

 private:
  std::wstring folder_;
  std::wstring program_;
};

}  // namespace e2e
