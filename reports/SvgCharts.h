// SPDX-License-Identifier: MIT
#pragma once

#include "Palette.h"

#include <functional>
#include <string>
#include <vector>

// Charts drawn as inline SVG for the pages the program writes. Values are whole numbers of a
// figure's unit (thousandths, hundredths, tenths or ones), so the scale and its ticks are exact
// and every label is printed by the page's own number form. The texts given here are plain; the
// charts escape them.
namespace reports {

// How a chart writes a number of its unit, on an axis tick.
using TickText = std::function<std::string(long long)>;

// What every chart carries for a screen reader and a text browser.
struct ChartText {
    std::string title;
    std::string description; // the numbers, in words
};

struct ChartBar {
    std::string label;     // the team's initials
    long long value = 0;   // in the figure's unit
    std::string valueText; // written at the bar's end
    teamdata::Rgb fill = 0;
    teamdata::Rgb outline = 0;
};

// A horizontal bar chart, one bar per entry, top to bottom in the given order, on a scale that
// always holds zero, so that a bar's length is its value.
[[nodiscard]] std::string BarChartSvg(const ChartText& text, const std::vector<ChartBar>& bars,
                                      const std::string& axisTitle, const TickText& tickText);

struct ChartPoint {
    std::string label;
    long long x = 0;
    long long y = 0;
    teamdata::Rgb fill = 0;
    teamdata::Rgb outline = 0;
};

struct ScatterAxis {
    std::string title;
    TickText tickText;
    bool reversed = false; // the larger values at the left (x) or at the bottom (y)
};

// A scatter chart, each point labelled beside it where the label meets no other.
[[nodiscard]] std::string ScatterChartSvg(const ChartText& text,
                                          const std::vector<ChartPoint>& points,
                                          const ScatterAxis& xAxis, const ScatterAxis& yAxis);

// Integer division rounded toward negative infinity, where C++ rounds toward zero: the scales'
// ends and the page's rounded means stay right for negative values too. `divisor` > 0.
[[nodiscard]] long long FloorDivide(long long dividend, long long divisor);

// "#RRGGBB".
[[nodiscard]] std::string CssColor(teamdata::Rgb color);

// True for a colour too light to stand out on the white page by itself: shapes in it get a
// grey keyline.
[[nodiscard]] bool IsLightColor(teamdata::Rgb color);

} // namespace reports
