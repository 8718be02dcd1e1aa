// The native (Linux) stand-in for the Windows file layer, for the unit
// tests. The program joins folders and file names with "\" (see
// InProgramFolder); here every "\" becomes "/", so the paths the program
// builds open the same files on Linux. Paths are UTF-8 (see ansi_posix.cpp).
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "runtime/ansi.h"
#include "runtime/file_io.h"
#include "runtime/run_error.h"

namespace rt {

namespace {

std::string NativePath(std::wstring path) {
  std::replace(path.begin(), path.end(), L'\\', L'/');
  return ToAnsi(path);
}

int NumberForErrno(int error) {
  switch (error) {
    case ENOENT:
      return kFileNotFound;
    case ENOTDIR:
      return kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return kPermissionDenied;
    case ENOSPC:
    case EDQUOT:
      return kDiskFull;
    case ENOMEM:
      return kOutOfMemory;
    default:
      return kPathFileAccessError;
  }
}

[[noreturn]] void Fail(const std::wstring& what, int error) {
  Raise(NumberForErrno(error), what + L": " + FromAnsi(std::strerror(error)));
}

// Closes the descriptor it holds when it goes.
class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int Get() const { return fd_; }

 private:
  int fd_;
};

int OpenOrFail(const std::wstring& path, int flags) {
  const int fd = ::open(NativePath(path).c_str(), flags | O_CLOEXEC, 0666);
  if (fd < 0) Fail(path, errno);
  return fd;
}

}  // namespace

std::string ReadFileBytes(const std::wstring& path) {
  const Descriptor file(OpenOrFail(path, O_RDONLY));
  struct stat info {};
  if (::fstat(file.Get(), &info) != 0) Fail(path, errno);
  // The size is a first guess only: the read goes on to the real end.
  std::string bytes(static_cast<size_t>(info.st_size) + 1, '\0');
  size_t done = 0;
  for (;;) {
    if (done == bytes.size()) bytes.resize(bytes.size() * 2);
    const ssize_t count = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
    if (count == 0) break;
    if (count < 0) {
      if (errno == EINTR) continue;
      Fail(path, errno);
    }
    done += static_cast<size_t>(count);
  }
  bytes.resize(done);
  return bytes;
}

void WriteFileBytes(const std::wstring& path, std::string_view bytes, WriteMode mode) {
  const int flags = O_WRONLY | O_CREAT | (mode == WriteMode::kAppend ? O_APPEND : O_TRUNC);
  const Descriptor file(OpenOrFail(path, flags));
  while (!bytes.empty()) {
    const ssize_t count = ::write(file.Get(), bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      Fail(path, errno);
    }
    bytes.remove_prefix(static_cast<size_t>(count));
  }
}

void FlushToDisk(const std::wstring& path) {
  const Descriptor file(OpenOrFail(path, O_WRONLY));
  if (::fsync(file.Get()) != 0) Fail(path, errno);
}

bool FileExists(const std::wstring& path) {
  struct stat info {};
  return ::stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void RemoveFile(const std::wstring& path) {
  if (::unlink(NativePath(path).c_str()) != 0) Fail(path, errno);
}

void CopyFileOver(const std::wstring& from, const std::wstring& to) {
  WriteFileBytes(to, ReadFileBytes(from), WriteMode::kReplace);
}

void ReplaceWith(const std::wstring& replacement, const std::wstring& target) {
  if (::rename(NativePath(replacement).c_str(), NativePath(target).c_str()) != 0) {
    Fail(replacement + L" -> " + target, errno);
  }
}

}  // namespace rt
