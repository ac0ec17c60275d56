// SPDX-License-Identifier: MIT
#include "RatioTable.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace bench {

namespace {

std::string Printed(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}

} // namespace

double Median(std::vector<double> values) {
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

std::string MicrosecondsText(double microseconds) {
    if (microseconds >= 10000)
        return Printed("%.1f ms", microseconds / 1000);
    if (microseconds >= 100)
        return Printed("%.0f µs", microseconds);
    return Printed("%.2f µs", microseconds);
}

std::string KibibytesText(double kibibytes) {
    return Printed("%.1f MiB", kibibytes / 1024);
}

std::string RatioRowText(const std::string& figure, const std::vector<double>& subject,
                         const std::string& floorLabel, const std::vector<double>& floor,
                         double goal, const ValueText& valueText) {
    if (subject.size() != floor.size() || subject.empty())
        throw std::invalid_argument("a figure and its floor need the same number of runs: " +
                                    figure);
    std::vector<double> ratios;
    for (std::size_t i = 0; i < subject.size(); ++i)
        ratios.push_back(subject[i] / floor[i]);
    const double ratio = Median(ratios);
    const auto [least, most] = std::minmax_element(ratios.begin(), ratios.end());
    std::string goalText = "—";
    if (goal > 0)
        goalText = Printed("≤ %.1fx", goal) + (ratio <= goal ? ", met" : ", missed");
    return "| " + figure + " | " + valueText(Median(subject)) + " | " + floorLabel + " | " +
           valueText(Median(floor)) + " | " + Printed("%.2fx", ratio) + " | " +
           Printed("%.2f", *least) + " – " + Printed("%.2f", *most) + " | " + goalText + " | " +
           std::to_string(subject.size()) + " |";
}

std::string RateRowText(const std::string& figure, const std::vector<double>& perSecond,
                        const std::string& unit) {
    const auto [least, most] = std::minmax_element(perSecond.begin(), perSecond.end());
    auto millions = [](double rate) {
        return Printed("%.2f M", rate / 1e6);
    };
    return "| " + figure + " | " + millions(Median(perSecond)) + unit + "/s (" + millions(*least) +
           " – " + millions(*most) + ") | — | — | — | — | — | " + std::to_string(perSecond.size()) +
           " |";
}

} // namespace bench
