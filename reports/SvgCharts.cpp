// SPDX-License-Identifier: MIT
#include "SvgCharts.h"

#include "TeamReport.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>

namespace reports {

namespace {

constexpr double FontSize = 11;
constexpr double TickFontSize = 10;
constexpr std::string_view AxisColor = "#333333";
constexpr std::string_view GridColor = "#e2e2e2";
// Dark enough to stand out from white, light enough not to compete with the team colours.
constexpr std::string_view KeylineColor = "#8c8c8c";

// Coordinates with one decimal at most, written the same in every locale. Written from whole
// tenths, because the browser build's standard library has no std::to_chars for floating point.
std::string Coord(double value) {
    const long long tenths = std::llround(value * 10);
    std::string text = tenths < 0 ? "-" : "";
    const unsigned long long magnitude = tenths < 0 ? 0ull - static_cast<unsigned long long>(tenths)
                                                    : static_cast<unsigned long long>(tenths);
    text += std::to_string(magnitude / 10);
    if (magnitude % 10 != 0)
        text += "." + std::to_string(magnitude % 10);
    return text;
}

// A width good enough for laying out short labels, without the font at hand: an ASCII
// character takes about 0.6 em, any other (kana, full-width letters) a whole em.
double TextWidth(std::string_view text, double fontSize) {
    double ems = 0;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80)
            ems += 0.6;
        else if ((byte & 0xC0) != 0x80)
            ems += 1.0;
    }
    return ems * fontSize;
}

long long CeilDivide(long long dividend, long long divisor) {
    return -FloorDivide(-dividend, divisor);
}

// A scale from `low` to `high` in whole steps of 1, 2 or 5 times a power of ten, about five of
// them, wide enough to hold both ends.
struct Scale {
    long long low = 0;
    long long high = 1;
    long long step = 1;

    [[nodiscard]] double Fraction(long long value) const {
        return static_cast<double>(value - low) / static_cast<double>(high - low);
    }
};

Scale NiceScale(long long low, long long high) {
    if (high <= low)
        high = low + 1;
    const long long rough = CeilDivide(high - low, 5);
    long long step = 1;
    for (long long power = 1; step < rough; power *= 10) {
        for (const long long multiple : {1LL, 2LL, 5LL}) {
            step = multiple * power;
            if (step >= rough)
                break;
        }
    }
    return {FloorDivide(low, step) * step, CeilDivide(high, step) * step, step};
}

struct Box {
    double x = 0, y = 0, width = 0, height = 0;

    [[nodiscard]] double Overlap(const Box& other) const {
        const double across = std::min(x + width, other.x + other.width) - std::max(x, other.x);
        const double down = std::min(y + height, other.y + other.height) - std::max(y, other.y);
        return across > 0 && down > 0 ? across * down : 0;
    }
    [[nodiscard]] bool Inside(const Box& area) const {
        return x >= area.x && y >= area.y && x + width <= area.x + area.width &&
               y + height <= area.y + area.height;
    }
};

void AppendOpening(std::string& out, std::string_view kind, double width, double height,
                   const ChartText& text) {
    out += "<svg class=\"chart " + std::string(kind) + "\" role=\"img\" viewBox=\"0 0 " +
           Coord(width) + ' ' + Coord(height) + "\" width=\"" + Coord(width) + "\" height=\"" +
           Coord(height) + "\">\n";
    out += "<title>" + HtmlText(text.title) + "</title>\n";
    out += "<desc>" + HtmlText(text.description) + "</desc>\n";
}

void AppendLine(std::string& out, double x1, double y1, double x2, double y2,
                std::string_view color) {
    out += "<line x1=\"" + Coord(x1) + "\" y1=\"" + Coord(y1) + "\" x2=\"" + Coord(x2) +
           "\" y2=\"" + Coord(y2) + "\" stroke=\"" + std::string(color) + "\"/>\n";
}

// `anchor` is "start", "middle" or "end"; `extra` more attributes, each after a space.
void AppendText(std::string& out, double x, double y, std::string_view anchor, double fontSize,
                std::string_view text, std::string_view extra = {}) {
    out +=
        "<text x=\"" + Coord(x) + "\" y=\"" + Coord(y) + "\" font-size=\"" + Coord(fontSize) + '"';
    if (anchor != "start")
        out += " text-anchor=\"" + std::string(anchor) + '"';
    out += extra;
    out += '>' + HtmlText(text) + "</text>\n";
}

std::string ShapeColors(const teamdata::Rgb fill, const teamdata::Rgb outline) {
    return " fill=\"" + CssColor(fill) + "\" stroke=\"" + CssColor(outline) + '"';
}

} // namespace

long long FloorDivide(long long dividend, long long divisor) {
    const long long quotient = dividend / divisor;
    return dividend % divisor < 0 ? quotient - 1 : quotient;
}

std::string CssColor(teamdata::Rgb color) {
    static constexpr std::string_view digits = "0123456789ABCDEF";
    std::string text = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        text += digits[(color >> shift) & 0xF];
    return text;
}

bool IsLightColor(teamdata::Rgb color) {
    const int red = static_cast<int>((color >> 16) & 0xFF);
    const int green = static_cast<int>((color >> 8) & 0xFF);
    const int blue = static_cast<int>(color & 0xFF);
    // The usual luma weights; palette colours such as #FFDB7B or #BDFBDE count as light.
    return 299 * red + 587 * green + 114 * blue > 200 * 1000;
}

std::string BarChartSvg(const ChartText& text, const std::vector<ChartBar>& bars,
                        const std::string& axisTitle, const TickText& tickText) {
    constexpr double Width = 400;
    constexpr double Top = 6;
    constexpr double RowHeight = 16;
    constexpr double BarHeight = 11;

    long long low = 0;
    long long high = 0;
    double labelWidth = 0;
    double valueWidth = 0;
    for (const ChartBar& bar : bars) {
        low = std::min(low, bar.value);
        high = std::max(high, bar.value);
        labelWidth = std::max(labelWidth, TextWidth(bar.label, FontSize));
        valueWidth = std::max(valueWidth, TextWidth(bar.valueText, FontSize));
    }
    const Scale scale = NiceScale(low, high);
    // A value is written beyond its bar's end, so room for the longest one is kept on the side
    // where bars end; negative values only come from texts outside every editor's range.
    const double valueRoom = valueWidth + 6;
    const double plotLeft = labelWidth + 10 + (low < 0 ? valueRoom : 0);
    const double plotRight = Width - valueRoom - 4;
    const auto xOf = [&](long long value) {
        return plotLeft + scale.Fraction(value) * (plotRight - plotLeft);
    };
    const double axisY = Top + RowHeight * static_cast<double>(bars.size()) + 2;
    const double height = axisY + 36;

    std::string out;
    AppendOpening(out, "bar-chart", Width, height, text);
    for (long long tick = scale.low; tick <= scale.high; tick += scale.step) {
        const double x = xOf(tick);
        AppendLine(out, x, Top - 2, x, axisY, GridColor);
        AppendLine(out, x, axisY, x, axisY + 4, AxisColor);
        AppendText(out, x, axisY + 15, "middle", TickFontSize, tickText(tick));
    }
    AppendLine(out, plotLeft, axisY, plotRight, axisY, AxisColor);
    AppendLine(out, xOf(0), Top - 2, xOf(0), axisY, AxisColor);
    AppendText(out, (plotLeft + plotRight) / 2, axisY + 31, "middle", FontSize, axisTitle);

    double rowTop = Top;
    for (const ChartBar& bar : bars) {
        const double zero = xOf(0);
        const double end = xOf(bar.value);
        const double left = std::min(zero, end);
        const double barWidth = std::abs(end - zero);
        const double barTop = rowTop + (RowHeight - BarHeight) / 2;
        const double baseline = rowTop + RowHeight / 2 + 4;
        out += "<g class=\"bar\">\n";
        AppendText(out, labelWidth + 4, baseline, "end", FontSize, bar.label, " class=\"team\"");
        if (IsLightColor(bar.outline))
            out += "<rect x=\"" + Coord(left - 1.5) + "\" y=\"" + Coord(barTop - 1.5) +
                   "\" width=\"" + Coord(barWidth + 3) + "\" height=\"" + Coord(BarHeight + 3) +
                   "\" fill=\"none\" stroke=\"" + std::string(KeylineColor) + "\"/>\n";
        out += "<rect class=\"value-bar\" x=\"" + Coord(left) + "\" y=\"" + Coord(barTop) +
               "\" width=\"" + Coord(barWidth) + "\" height=\"" + Coord(BarHeight) + '"' +
               ShapeColors(bar.fill, bar.outline) + " stroke-width=\"1.5\"/>\n";
        if (bar.value < 0)
            AppendText(out, end - 4, baseline, "end", FontSize, bar.valueText, " class=\"value\"");
        else
            AppendText(out, end + 4, baseline, "start", FontSize, bar.valueText,
                       " class=\"value\"");
        out += "</g>\n";
        rowTop += RowHeight;
    }
    out += "</svg>";
    return out;
}

std::string ScatterChartSvg(const ChartText& text, const std::vector<ChartPoint>& points,
                            const ScatterAxis& xAxis, const ScatterAxis& yAxis) {
    constexpr double Width = 560;
    constexpr double Height = 380;
    constexpr double Top = 12;
    constexpr double Right = 20;
    constexpr double Bottom = 46;
    constexpr double PointRadius = 5;

    // A margin of a twentieth on each side keeps the outermost points off the axes.
    const auto scaleOf = [&](auto valueOf) {
        if (points.empty())
            return NiceScale(0, 1);
        long long low = valueOf(points.front());
        long long high = low;
        for (const ChartPoint& point : points) {
            low = std::min(low, valueOf(point));
            high = std::max(high, valueOf(point));
        }
        const long long margin = std::max(1LL, (high - low) / 20);
        return NiceScale(low - margin, high + margin);
    };
    const Scale xScale = scaleOf([](const ChartPoint& point) { return point.x; });
    const Scale yScale = scaleOf([](const ChartPoint& point) { return point.y; });

    double yTickWidth = 0;
    for (long long tick = yScale.low; tick <= yScale.high; tick += yScale.step)
        yTickWidth = std::max(yTickWidth, TextWidth(yAxis.tickText(tick), TickFontSize));
    const double plotLeft = FontSize + 10 + yTickWidth + 8;
    const double plotRight = Width - Right;
    const double plotBottom = Height - Bottom;
    const auto xOf = [&](long long value) {
        const double fraction = xScale.Fraction(value);
        return plotLeft + (xAxis.reversed ? 1 - fraction : fraction) * (plotRight - plotLeft);
    };
    const auto yOf = [&](long long value) {
        const double fraction = yScale.Fraction(value);
        return plotBottom - (yAxis.reversed ? 1 - fraction : fraction) * (plotBottom - Top);
    };

    std::string out;
    AppendOpening(out, "scatter-chart", Width, Height, text);
    for (long long tick = xScale.low; tick <= xScale.high; tick += xScale.step) {
        const double x = xOf(tick);
        AppendLine(out, x, Top, x, plotBottom, GridColor);
        AppendLine(out, x, plotBottom, x, plotBottom + 4, AxisColor);
        AppendText(out, x, plotBottom + 15, "middle", TickFontSize, xAxis.tickText(tick));
    }
    for (long long tick = yScale.low; tick <= yScale.high; tick += yScale.step) {
        const double y = yOf(tick);
        AppendLine(out, plotLeft, y, plotRight, y, GridColor);
        AppendLine(out, plotLeft - 4, y, plotLeft, y, AxisColor);
        AppendText(out, plotLeft - 6, y + 3.5, "end", TickFontSize, yAxis.tickText(tick));
    }
    AppendLine(out, plotLeft, plotBottom, plotRight, plotBottom, AxisColor);
    AppendLine(out, plotLeft, Top, plotLeft, plotBottom, AxisColor);
    AppendText(out, (plotLeft + plotRight) / 2, Height - 10, "middle", FontSize, xAxis.title);
    const double yTitleX = FontSize + 2;
    const double yTitleY = (Top + plotBottom) / 2;
    AppendText(out, yTitleX, yTitleY, "middle", FontSize, yAxis.title,
               " transform=\"rotate(-90 " + Coord(yTitleX) + ' ' + Coord(yTitleY) + ")\"");

    // Each label goes to the first place beside its point that covers no point and no label
    // placed before it; where every place is taken, to the one covered least.
    const Box chartArea{plotLeft, 0, Width - plotLeft, Height};
    std::vector<Box> taken;
    for (const ChartPoint& point : points) {
        const double reach = PointRadius + 2;
        taken.push_back({xOf(point.x) - reach, yOf(point.y) - reach, 2 * reach, 2 * reach});
    }
    for (const ChartPoint& point : points) {
        const double x = xOf(point.x);
        const double y = yOf(point.y);
        const double width = TextWidth(point.label, FontSize);
        const double height = FontSize;
        const double gap = PointRadius + 3;
        const std::array<Box, 8> places = {{
            {x + gap, y - height / 2, width, height},
            {x - gap - width, y - height / 2, width, height},
            {x - width / 2, y - gap - height, width, height},
            {x - width / 2, y + gap, width, height},
            {x + gap - 2, y - gap - height + 2, width, height},
            {x + gap - 2, y + gap - 2, width, height},
            {x - gap - width + 2, y - gap - height + 2, width, height},
            {x - gap - width + 2, y + gap - 2, width, height},
        }};
        const Box* best = &places.front();
        double bestCover = -1;
        for (const Box& place : places) {
            double cover = 0;
            for (const Box& other : taken)
                cover += place.Overlap(other);
            if (!place.Inside(chartArea))
                cover += width * height * 100;
            if (bestCover < 0 || cover < bestCover) {
                best = &place;
                bestCover = cover;
            }
            if (cover == 0)
                break;
        }
        taken.push_back(*best);

        out += "<g class=\"point\">\n";
        if (IsLightColor(point.outline))
            out += "<circle cx=\"" + Coord(x) + "\" cy=\"" + Coord(y) + "\" r=\"" +
                   Coord(PointRadius + 2) + "\" fill=\"none\" stroke=\"" +
                   std::string(KeylineColor) + "\"/>\n";
        out += "<circle cx=\"" + Coord(x) + "\" cy=\"" + Coord(y) + "\" r=\"" + Coord(PointRadius) +
               '"' + ShapeColors(point.fill, point.outline) + " stroke-width=\"2\"/>\n";
        // The label's box is 11 units high; its baseline sits near the bottom.
        AppendText(out, best->x, best->y + height - 2, "start", FontSize, point.label,
                   " class=\"team\"");
        out += "</g>\n";
    }
    out += "</svg>";
    return out;
}

} // namespace reports
