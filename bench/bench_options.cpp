#include "bench_options.h"

#include <cstdlib>

namespace bench {

namespace {

// Enough runs for a median that outliers do not move, few enough for minutes.
constexpr long kMostRuns = 101;

}  // namespace

std::optional<BenchOptions> ParseOptions(const std::vector<std::string>& arguments) {
  BenchOptions options;
  for (size_t i = 0; i < arguments.size(); ++i) {
    if (arguments[i] != "--runs" || i + 1 == arguments.size()) return std::nullopt;
    const std::string& value = arguments[++i];
    char* end = nullptr;
    const long runs = std::strtol(value.c_str(), &end, 10);
    if (value.empty() || *end != '\0' || runs < 1 || runs > kMostRuns) return std::nullopt;
    options.runs = static_cast<int>(runs);
  }
  return options;
}

}  // namespace bench
