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

// What work that Tavimo must do and the plain floor need not costs the
// floor: the floor given the work beside the plain floor. The ratio of their
// medians over one is that work's allowance, added to the target of the
// figure named in `allowed_to` (none when empty).
struct Cost {
  std::string name;
  std::string unit;
  std::vector<double> with_work;
  std::vector<double> without;
  std::string allowed_to;
};

// The cost as a share of the plain floor's figure; none below zero, none
// without samples.
double Allowance(const Cost& cost);

// A header line and one line per cost, each ending in "\n".
std::string FormatCosts(const std::vector<Cost>& costs);

}  // namespace bench
