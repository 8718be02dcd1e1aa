#include "results_table.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace bench {

namespace {

std::string Format(const char* format, double value) {
  char text[32];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

std::string MedianText(const std::vector<double>& samples) {
  return samples.empty() ? "-" : Format("%.1f", Median(samples));
}

std::string Row(const std::string& figure, const std::string& unit, const std::string& tavimo,
                const std::string& floor, const std::string& ratio, const std::string& target,
                const std::string& verdict) {
  char line[200];
  std::snprintf(line, sizeof line, "%-34s %-4s %10s %10s %7s %9s  %s\n", figure.c_str(),
                unit.c_str(), tavimo.c_str(), floor.c_str(), ratio.c_str(), target.c_str(),
                verdict.c_str());
  return line;
}

}  // namespace

double Median(std::vector<double> samples) {
  if (samples.empty()) throw std::invalid_argument("no samples");
  const size_t middle = samples.size() / 2;
  std::nth_element(samples.begin(), samples.begin() + middle, samples.end());
  if (samples.size() % 2 == 1) return samples[middle];
  const double upper = samples[middle];
  const double lower = *std::max_element(samples.begin(), samples.begin() + middle);
  return (lower + upper) / 2;
}

std::optional<double> Ratio(const Figure& figure) {
  if (figure.tavimo.empty() || figure.floor.empty()) return std::nullopt;
  const double floor = Median(figure.floor);
  if (!(floor > 0)) return std::nullopt;
  return Median(figure.tavimo) / floor;
}

bool MeetsTarget(const Figure& figure) {
  const std::optional<double> ratio = Ratio(figure);
  return ratio && *ratio <= figure.target_ratio;
}

std::string FormatTable(const std::vector<Figure>& figures) {
  std::string table = Row("figure", "unit", "tavimo", "floor", "ratio", "target", "");
  for (const Figure& figure : figures) {
    const std::optional<double> ratio = Ratio(figure);
    table += Row(figure.name, figure.unit, MedianText(figure.tavimo), MedianText(figure.floor),
                 ratio ? Format("%.3f", *ratio) : "-", Format("<= %.3f", figure.target_ratio),
                 MeetsTarget(figure) ? "met" : "MISSED");
  }
  return table;
}

namespace {

// The floor with the work over the floor without it.
std::optional<double> CostRatio(const Cost& cost) {
  return Ratio({cost.name, cost.unit, 0, cost.with_work, cost.without});
}

}  // namespace

double Allowance(const Cost& cost) {
  const std::optional<double> ratio = CostRatio(cost);
  return ratio && *ratio > 1 ? *ratio - 1 : 0;
}

std::string FormatCosts(const std::vector<Cost>& costs) {
  std::string table = Row("work", "unit", "with", "without", "ratio", "allowed", "to");
  for (const Cost& cost : costs) {
    const std::optional<double> ratio = CostRatio(cost);
    table += Row(cost.name, cost.unit, MedianText(cost.with_work), MedianText(cost.without),
                 ratio ? Format("%.3f", *ratio) : "-",
                 cost.allowed_to.empty() ? "-" : Format("+%.3f", Allowance(cost)),
                 cost.allowed_to.empty() ? "(shown only)" : cost.allowed_to);
  }
  return table;
}

}  // namespace bench
