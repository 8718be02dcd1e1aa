#include <windows.h>

#include <algorithm>

#include "runtime/failure.h"
#include "runtime/file_io.h"
#include "runtime/paths.h"
#include "runtime/system_error_win.h"

namespace rt {

namespace {

// One ReadFile or WriteFile moves at most this much; larger files loop.
constexpr DWORD kLargestTransfer = 1u << 30;

FailureKind KindOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_NOT_FOUND:
      return FailureKind::kFileNotFound;
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return FailureKind::kFileExists;
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE:
    case ERROR_BAD_NETPATH:
      return FailureKind::kPathNotFound;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_WRITE_PROTECT:
      return FailureKind::kAccessDenied;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FailureKind::kDiskFull;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return FailureKind::kOutOfMemory;
    default:
      return FailureKind::kFileError;
  }
}

[[noreturn]] void Fail(const std::wstring& what, DWORD error) {
  throw Failure(KindOf(error), what, error, SystemErrorText(error));
}

// Closes the handle it holds when it goes.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() {
    if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
  }
  HANDLE Get() const { return handle_; }
  // Closes it now; false, with the system's error, when the close fails.
  bool Close() {
    const HANDLE handle = handle_;
    handle_ = INVALID_HANDLE_VALUE;
    return CloseHandle(handle) != FALSE;
  }

 private:
  HANDLE handle_;
};

HANDLE OpenOrFail(const std::wstring& path, DWORD access, DWORD share, DWORD disposition) {
  const HANDLE handle = CreateFileW(path.c_str(), access, share, nullptr, disposition,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) Fail(path, GetLastError());
  return handle;
}

}  // namespace

std::string ReadFileBytes(const std::wstring& path) {
  const FileHandle file(OpenOrFail(path, GENERIC_READ, FILE_SHARE_READ, OPEN_EXISTING));
  LARGE_INTEGER size{};
  if (!GetFileSizeEx(file.Get(), &size)) Fail(path, GetLastError());
  if (static_cast<unsigned long long>(size.QuadPart) > std::string().max_size()) {
    Fail(path, ERROR_NOT_ENOUGH_MEMORY);
  }
  std::string bytes(static_cast<size_t>(size.QuadPart), '\0');
  size_t done = 0;
  while (done < bytes.size()) {
    const DWORD wanted =
        static_cast<DWORD>(std::min<size_t>(bytes.size() - done, kLargestTransfer));
    DWORD count = 0;
    if (!ReadFile(file.Get(), bytes.data() + done, wanted, &count, nullptr)) {
      Fail(path, GetLastError());
    }
    if (count == 0) break;  // the file shrank since its size was read
    done += count;
  }
  bytes.resize(done);
  return bytes;
}

void WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  FileHandle file(OpenOrFail(path, GENERIC_WRITE, FILE_SHARE_READ, CREATE_ALWAYS));
  DWORD error = ERROR_SUCCESS;
  while (!bytes.empty() && error == ERROR_SUCCESS) {
    const DWORD wanted = static_cast<DWORD>(std::min<size_t>(bytes.size(), kLargestTransfer));
    DWORD count = 0;
    if (WriteFile(file.Get(), bytes.data(), wanted, &count, nullptr)) {
      bytes.remove_prefix(count);
    } else {
      error = GetLastError();
    }
  }
  if (error == ERROR_SUCCESS && !FlushFileBuffers(file.Get())) error = GetLastError();
  // A close can fail too, on a network share, where it writes what waits.
  if (!file.Close() && error == ERROR_SUCCESS) error = GetLastError();
  if (error == ERROR_SUCCESS) return;
  DeleteFileW(path.c_str());
  Fail(path, error);
}

bool FileExists(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveFile(const std::wstring& path) {
  if (!DeleteFileW(path.c_str())) Fail(path, GetLastError());
}

void CopyToNewFile(const std::wstring& from, const std::wstring& to) {
  if (!CopyFileW(from.c_str(), to.c_str(), TRUE)) Fail(from + L" -> " + to, GetLastError());
}

void RenameToNewName(const std::wstring& from, const std::wstring& to) {
  if (!MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH)) {
    Fail(from + L" -> " + to, GetLastError());
  }
}

void ReplaceWith(const std::wstring& replacement, const std::wstring& target) {
  const std::wstring what = replacement + L" -> " + target;
  if (FileExists(target)) {
    // ReplaceFileW keeps the target's attributes and security.
    if (ReplaceFileW(target.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                     nullptr, nullptr)) {
      return;
    }
    // This one failure leaves the target already gone and the replacement
    // under its own name: the move below still finishes the job.
    const DWORD error = GetLastError();
    if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT) Fail(what, error);
  }
  if (!MoveFileExW(replacement.c_str(), target.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    Fail(what, GetLastError());
  }
}

std::vector<FoundFile> FilesNamedFrom(const std::wstring& folder, std::wstring_view prefix) {
  std::vector<FoundFile> found;
  WIN32_FIND_DATAW entry;
  const std::wstring pattern = PathInFolder(folder, std::wstring(prefix) + L"*");
  const HANDLE search = FindFirstFileW(pattern.c_str(), &entry);
  if (search == INVALID_HANDLE_VALUE) return found;
  do {
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    const ULARGE_INTEGER written{
        {entry.ftLastWriteTime.dwLowDateTime, entry.ftLastWriteTime.dwHighDateTime}};
    found.push_back({entry.cFileName, written.QuadPart});
  } while (FindNextFileW(search, &entry));
  FindClose(search);
  return found;
}

uint32_t ThisProcessId() { return GetCurrentProcessId(); }

}  // namespace rt
