// Files and folders for the programs that drive tavimo.exe from outside:
// the end-to-end tests and the benchmarks.
#pragma once

#include <string>

namespace test_files {

// The folder of the running test program, where the programs it starts
// were built.
std::wstring BuildFolder();

// A file's bytes; "" when it cannot be read.
std::string ReadBytes(const std::wstring& path);
// Writes the file anew; throws std::runtime_error when it cannot.
void WriteBytes(const std::wstring& path, const std::string& bytes);
bool Exists(const std::wstring& path);

// Text in the system code page, as Tavimo writes it.
std::string Ansi(const std::wstring& text);

// Deletes the folder with everything in it, read-only files included.
void RemoveTree(const std::wstring& folder);

// Makes a new empty folder under the temporary folder, named from the prefix,
// this process and a count, and returns its path.
std::wstring MakeFreshFolder(const std::wstring& prefix);

// Throws std::runtime_error naming what failed and the system's error code.
[[noreturn]] void Fail(const std::wstring& what);

}  // namespace test_files
