// The benchmarks' figures and the table that shows them: for each, the median
// of Tavimo's runs beside the median of the floor program's runs, their ratio
// and the ratio Tavimo must stay within.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace bench {

struct Figure {
  std::string name;
  std::string unit;
  double target_ratio;
  std::vector<double> tavimo;
  std::vector<double> floor;
};

// The middle sample, or the mean of the two middle ones; at least one sample.
double Median(std::vector<double> samples);

// Tavimo's median over the floor's; nothing while either has no sample or
// the floor's median is not above zero.
std::optional<double> Ratio(const Figure& figure);

// Whether the ratio is within the target; a figure without a ratio is not.
bool MeetsTarget(const Figure& figure);

// A header line and one line per figure, each ending in "\n".
std::string FormatTable(const std::vector<Figure>& figures);

// The same for costs: figures of the floor given some of Tavimo's work (in
// `tavimo`) beside the plain floor, each with the ratio that a target allows
// for that work; it covers the cost when the ratio measured reaches it.
std::string FormatCosts(const std::vector<Figure>& costs);

}  // namespace bench
