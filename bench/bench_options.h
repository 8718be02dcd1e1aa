// The bench runner's command line: `--runs N` (runs per figure, default 7).
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct BenchOptions {
  int runs = 7;
};

// The options, or nothing for an unknown option or a bad value.
std::optional<BenchOptions> ParseOptions(const std::vector<std::string>& arguments);

}  // namespace bench
