// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

// Rows of the results table. Machines are noisy, so a figure is never judged by its own
// absolute value: it is measured side by side with its floor, run after run, and the table
// gives the ratio of each pair of runs as median, minimum and maximum.
namespace bench {

// Writes a measured value with its unit, e.g. "41.2 µs" or "38.5 MiB".
using ValueText = std::function<std::string(double)>;

[[nodiscard]] std::string MicrosecondsText(double microseconds);
[[nodiscard]] std::string KibibytesText(double kibibytes);

// One Markdown row: the figure's median, its floor's median and the pairwise ratios.
// `subject[i]` and `floor[i]` are one pair; `goal` is the largest ratio accepted (0: none).
[[nodiscard]] std::string RatioRowText(const std::string& figure,
                                       const std::vector<double>& subject,
                                       const std::string& floorLabel,
                                       const std::vector<double>& floor, double goal,
                                       const ValueText& valueText);

// One Markdown row for a throughput that has no floor.
[[nodiscard]] std::string RateRowText(const std::string& figure,
                                      const std::vector<double>& perSecond,
                                      const std::string& unit);

[[nodiscard]] double Median(std::vector<double> values);

} // namespace bench
