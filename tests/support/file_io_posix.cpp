// The native (Linux) stand-in for the Windows file layer, for the unit
// tests. The program joins folders and file names with "\" (see
// PathInFolder); here every "\" becomes "/", so the paths the program
// builds open the same files on Linux. Paths are UTF-8 (see ansi_posix.cpp).
#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>

#include "runtime/ansi.h"
#include "runtime/failure.h"
#include "runtime/file_io.h"

namespace rt {

namespace {

std::string NativePath(std::wstring path) {
  std::replace(path.begin(), path.end(), L'\\', L'/');
  return ToAnsi(path);
}

FailureKind KindOf(int error) {
  switch (error) {
    case ENOENT:
      return FailureKind::kFileNotFound;
    case EEXIST:
      return FailureKind::kFileExists;
    case ENOTDIR:
      return FailureKind::kPathNotFound;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY:
      return FailureKind::kAccessDenied;
    case ENOSPC:
    case EDQUOT:
      return FailureKind::kDiskFull;
    case ENOMEM:
      return FailureKind::kOutOfMemory;
    default:
      return FailureKind::kFileError;
  }
}

[[noreturn]] void Fail(const std::wstring& what, int error) {
  throw Failure(KindOf(error), what, static_cast<uint32_t>(error), FromAnsi(std::strerror(error)));
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
  // Closes it now; false, with errno set, when the close fails.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

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

// Writes `bytes` to a descriptor opened for writing; false with errno set
// when a write fails.
bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count = ::write(fd, bytes.data(), bytes.size());
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    bytes.remove_prefix(static_cast<size_t>(count));
  }
  return true;
}

void WriteWholeFile(const std::wstring& path, std::string_view bytes) {
  Descriptor file(OpenOrFail(path, O_WRONLY | O_CREAT | O_TRUNC));
  const bool written = WriteAll(file.Get(), bytes) && ::fsync(file.Get()) == 0;
  const int error = errno;
  if (file.Close() && written) return;
  ::unlink(NativePath(path).c_str());
  Fail(path, written ? errno : error);
}

bool FileExists(const std::wstring& path) {
  struct stat info {};
  return ::stat(NativePath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

void RemoveFile(const std::wstring& path) {
  if (::unlink(NativePath(path).c_str()) != 0) Fail(path, errno);
}

void CopyToNewFile(const std::wstring& from, const std::wstring& to) {
  const std::string bytes = ReadFileBytes(from);
  Descriptor file(OpenOrFail(to, O_WRONLY | O_CREAT | O_EXCL));
  const bool written = WriteAll(file.Get(), bytes);
  const int error = errno;
  if (file.Close() && written) return;
  ::unlink(NativePath(to).c_str());
  Fail(to, written ? errno : error);
}

void RenameToNewName(const std::wstring& from, const std::wstring& to) {
  // A link fails where the name is taken; the old name then goes.
  if (::link(NativePath(from).c_str(), NativePath(to).c_str()) != 0) {
    Fail(from + L" -> " + to, errno);
  }
  RemoveFile(from);
}

void ReplaceWith(const std::wstring& replacement, const std::wstring& target) {
  if (::rename(NativePath(replacement).c_str(), NativePath(target).c_str()) != 0) {
    Fail(replacement + L" -> " + target, errno);
  }
}

std::vector<FoundFile> FilesNamedFrom(const std::wstring& folder, std::wstring_view prefix) {
  std::vector<FoundFile> found;
  DIR* listing = ::opendir(NativePath(folder).c_str());
  if (!listing) return found;
  const std::string wanted = ToAnsi(prefix);
  while (const dirent* entry = ::readdir(listing)) {
    if (::strncasecmp(entry->d_name, wanted.c_str(), wanted.size()) != 0) continue;
    struct stat info {};
    const std::string path = NativePath(folder) + "/" + entry->d_name;
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) continue;
    const uint64_t written = static_cast<uint64_t>(info.st_mtim.tv_sec) * 1000000000u +
                             static_cast<uint64_t>(info.st_mtim.tv_nsec);
    found.push_back({FromAnsi(entry->d_name), written});
  }
  ::closedir(listing);
  return found;
}

uint32_t ThisProcessId() { return static_cast<uint32_t>(::getpid()); }

}  // namespace rt
