// One Tavimo per program folder: the first start in a folder holds it for
// its whole life, its save at close included; a later start hands over to
// that copy's window and ends, or waits for a copy that is closing.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>

namespace app {

// How the file system knows a folder, whatever path leads to it (a short
// path, another letter case, a mapped drive).
struct FolderIdentity {
  uint32_t volume_serial;
  uint64_t file_index;
};

// The name under which the copies in one folder find each other: the same
// for every path to the folder, different for every other folder.
std::wstring FolderClaimName(const FolderIdentity& folder);
// For a folder the file system will not identify: from its path, the same
// in any letter case of ASCII letters.
std::wstring FolderClaimName(std::wstring_view folder_path);

// The program folder as a start sees it.
class ProgramFolder {
 public:
  // Takes the folder for this copy, waiting at most `limit` for the copy
  // that holds it; true once this copy holds it.
  virtual bool TryTake(std::chrono::milliseconds limit) = 0;
  // Brings the window of the copy that holds the folder to the front,
  // restored; false when that copy shows no open window, being about to
  // open it or having closed it.
  virtual bool BringOpenWindowForward() = 0;

 protected:
  ~ProgramFolder() = default;
};

enum class StartDecision { kOpenTheWindow, kLeftToTheOpenWindow };

// Takes the folder, or hands over to the open window of the copy that
// holds it. A copy that holds it with no window open is starting up or
// closing: the start waits until that copy shows its window or ends.
StartDecision TakeFolderOrHandOver(ProgramFolder& folder);

}  // namespace app
