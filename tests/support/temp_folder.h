// For the unit tests: a fresh folder under the system temp folder, removed
// with all it holds when the test ends. Files in it are read and written
// here with the standard library, apart from the code under test.
#pragma once

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace test {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tavimo-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  ~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
  }

  // The folder as the program names folders.
  std::wstring Path() const { return path_.wstring(); }
  std::filesystem::path Native(std::string_view name) const { return path_ / name; }
  // A file in the folder, named the way the program joins names ("\").
  std::wstring File(std::wstring_view name) const { return Path() + L"\\" + std::wstring(name); }

  void Write(std::string_view name, std::string_view bytes) const {
    std::ofstream(Native(name), std::ios::binary).write(bytes.data(), bytes.size());
  }
  std::string Read(std::string_view name) const {
    std::ifstream file(Native(name), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
  }
  bool Exists(std::string_view name) const { return std::filesystem::exists(Native(name)); }
  // The names of everything in the folder, sorted.
  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::filesystem::path path_;
};

}  // namespace test
