// The item store files that the benchmarks hand to Tavimo and to the floor
// programs: bytes in the record-line form Tavimo reads at start and writes at
// close, so that a program which reads one and writes its list back must
// produce the very same bytes.
#pragma once

#include <cstddef>
#include <string>

namespace bench {

// The full list: as many items as Tavimo counts, each a long path.
inline constexpr int kFullListItems = 32767;
inline constexpr size_t kFullListTextLength = 100;

// The walk: this many selected documents of a type no real program claims.
inline constexpr int kWalkItems = 50;
inline constexpr char kDocumentExtension[] = ".tavbench";

// `count` different program paths of `text_length` characters each (at least
// kShortestProgramPath), their flags clear.
inline constexpr size_t kShortestProgramPath = 27;
std::string FullListStore(int count, size_t text_length);

// The file name of the walk's document number `index` (from 0).
std::string DocumentName(int index);

// The documents 0 to `count` - 1 inside `folder` (in the system code page,
// with no "\" at its end), all selected.
std::string WalkStore(const std::string& folder, int count);

}  // namespace bench
