#include "fresh_folder.h"

#include <stdexcept>

namespace bench {

namespace {

[[noreturn]] void Fail(const std::wstring& what) {
  throw std::runtime_error(Ansi(what) + " (error " + std::to_string(GetLastError()) + ")");
}

void RemoveTree(const std::wstring& folder) {
  WIN32_FIND_DATAW entry;
  const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = entry.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring path = folder + L"\\" + name;
      if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(path);
      } else {
        DeleteFileW(path.c_str());
      }
    } while (FindNextFileW(find, &entry));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}

}  // namespace

std::wstring BuildFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring program = path;
  return program.substr(0, program.find_last_of(L'\\'));
}

std::string ReadBytes(const std::wstring& path) {
  const HANDLE file =
      CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail(L"cannot open " + path);
  std::string bytes(GetFileSize(file, nullptr), '\0');
  DWORD read = 0;
  const BOOL done = ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr);
  CloseHandle(file);
  if (!done) Fail(L"cannot read " + path);
  bytes.resize(read);
  return bytes;
}

std::string Ansi(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                       nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
                      nullptr, nullptr);
  return bytes;
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

FreshFolder::FreshFolder() {
  static int made = 0;
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + L"tavimo-bench-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++made);
  RemoveTree(path_);
  if (!CreateDirectoryW(path_.c_str(), nullptr)) Fail(L"cannot create " + path_);
}

FreshFolder::~FreshFolder() { RemoveTree(path_); }

std::wstring FreshFolder::CopyIn(const std::wstring& program) const {
  const std::wstring copy = File(program);
  if (!CopyFileW((BuildFolder() + L"\\" + program).c_str(), copy.c_str(), FALSE)) {
    Fail(L"cannot copy " + program);
  }
  return copy;
}

void FreshFolder::Write(const std::wstring& name, const std::string& bytes) const {
  const std::wstring path = File(name);
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) Fail(L"cannot create " + path);
  DWORD written = 0;
  const BOOL done =
      WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
  if (!done || written != bytes.size()) Fail(L"cannot write " + path);
}

}  // namespace bench
