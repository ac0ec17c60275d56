// SPDX-License-Identifier: MIT
#include "ChangeReport.h"

#include "GridCaptions.h"
#include "LeagueCsv.h"
#include "NameNormalizer.h"
#include "Palette.h"
#include "TRomTeamData.h"
#include "TeamReport.h"

#include <initializer_list>
#include <map>
#include <tuple>

namespace reports {

namespace {

using teamdata::ByteRange;
using teamdata::CellChange;
using teamdata::ColorChange;
using teamdata::Grid;
using teamdata::LeagueChange;
using teamdata::PlayerMove;
using teamdata::PlayerTransfer;

constexpr std::string_view Arrow = " → ";
constexpr std::string_view IdeographicSpace = "　";

std::string TrimmedCaption(std::string_view caption) {
    for (;;) {
        if (caption.ends_with(' '))
            caption.remove_suffix(1);
        else if (caption.ends_with(IdeographicSpace))
            caption.remove_suffix(IdeographicSpace.size());
        else
            return std::string(caption);
    }
}

template <std::size_t Count, std::size_t HeaderCount>
std::array<std::string, Count> Captions(const std::array<std::string_view, HeaderCount>& headers) {
    std::array<std::string, Count> captions;
    for (std::size_t c = 0; c < Count; ++c)
        captions[c] = TrimmedCaption(headers[c + 1]); // header 0 names the grid
    return captions;
}

std::string Initials(int team) {
    return std::string(TRomTeamData::TeamInitials.at(static_cast<std::size_t>(team)));
}

const std::string& GridWord(Grid grid, const ChangeLabels& labels) {
    return grid == Grid::Batters ? labels.batter : labels.pitcher;
}

const std::string& OrderWord(Grid grid, const ChangeLabels& labels) {
    return grid == Grid::Batters ? labels.battingOrder : labels.pitchingOrder;
}

const std::string& Caption(Grid grid, int column, const ChangeLabels& labels) {
    const auto index = static_cast<std::size_t>(column - 1);
    return grid == Grid::Batters ? labels.batterColumns.at(index) : labels.pitcherColumns.at(index);
}

const std::string& SlotWord(teamdata::ColorSlot slot, const ChangeLabels& labels) {
    return slot == teamdata::ColorSlot::Helmet ? labels.helmet : labels.uniform;
}

std::string Hex(std::size_t offset) {
    static constexpr std::string_view digits = "0123456789ABCDEF";
    std::string text;
    for (; offset != 0 || text.size() < 6; offset >>= 4)
        text.insert(text.begin(), digits[offset & 0x0F]);
    return "0x" + text;
}

std::string Place(int team, int row) {
    return Initials(team) + " " + std::to_string(row);
}

std::string Name(std::string_view name, const ChangeLabels& labels) {
    return labels.namesForDisplay ? teamdata::NameForDisplay(name) : std::string(name);
}

// The name as it stands now, and who held the row before when that was someone else.
std::string NameWithFormer(std::string_view now, std::string_view before,
                           const ChangeLabels& labels) {
    std::string text = Name(now, labels);
    if (before != now)
        text += FillPattern(labels.formerName, {Name(before, labels)});
    return text;
}

// A cell's text in a change: a batting side or pitching style in the labels' words, a name in
// the labels' form.
std::string CellText(int column, const std::string& text, const ChangeLabels& labels) {
    if (static_cast<std::size_t>(column) == LabelColumn)
        return std::string(ShownLabel(labels.labelWords, text));
    return column == teamdata::BatterColumn::Name ? Name(text, labels) : text;
}

std::string CellText(const CellChange& cell, const std::string& text, const ChangeLabels& labels) {
    return CellText(cell.column, text, labels);
}

std::string Counted(std::size_t count) {
    return std::to_string(count);
}

// The words of a change after its team initials (none for a byte range), shared by the text
// form's lines and the page's lists.
std::string Description(const LeagueChange& change, const ChangeLabels& labels) {
    if (const auto* cell = std::get_if<CellChange>(&change))
        return GridWord(cell->grid, labels) + " " + Counted(static_cast<std::size_t>(cell->row)) +
               " " + NameWithFormer(cell->nameAfter, cell->nameBefore, labels) + " " +
               Caption(cell->grid, cell->column, labels) + ": " +
               CellText(*cell, cell->before, labels) + std::string(Arrow) +
               CellText(*cell, cell->after, labels);
    if (const auto* color = std::get_if<ColorChange>(&change))
        return SlotWord(color->slot, labels) + ": " + ColorText(color->before) +
               std::string(Arrow) + ColorText(color->after);
    if (const auto* move = std::get_if<PlayerMove>(&change))
        return OrderWord(move->grid, labels) + ": " + Name(move->name, labels) + " " +
               std::to_string(move->fromRow) + std::string(Arrow) + std::to_string(move->toRow);
    if (const auto* transfer = std::get_if<PlayerTransfer>(&change))
        return GridWord(transfer->grid, labels) + " " + labels.transfer + ": " +
               Name(transfer->name, labels) + " " + Place(transfer->fromTeam, transfer->fromRow) +
               std::string(Arrow) + Place(transfer->toTeam, transfer->toRow) +
               NameWithFormer("", transfer->replacedName, labels);
    const auto& range = std::get<ByteRange>(change);
    return FillPattern(labels.byteRange, {Hex(range.offset), Hex(range.offset + range.length - 1),
                                          Counted(range.length)});
}

// ---- The page -----------------------------------------------------------------------------

constexpr std::string_view PageStyle =
    R"(body{font-family:"IPAGothic","MS PGothic",sans-serif;margin:1em;color:#000;background:#fff}
h1{font-size:1.4em}
h2{font-size:1.2em;margin-top:1.5em;border-bottom:1px solid #888}
table{border-collapse:collapse;margin:.5em 0}
th,td{border:1px solid #999;padding:2px 6px;white-space:nowrap}
th{background:#eee;font-weight:normal}
td{text-align:right}
td.name{text-align:left}
td.changed{background:#ffe27a;font-weight:bold}
td.changed del{color:#a00000;font-weight:normal;margin-left:.5em}
tr.arrived th{background:#9cc8ff}
.swatch{display:inline-block;width:1.1em;height:1.1em;border:1px solid #000;vertical-align:middle;margin:0 .3em}
)";

std::string Swatch(std::uint8_t color) {
    static constexpr std::string_view digits = "0123456789abcdef";
    const teamdata::Rgb rgb = teamdata::SwatchColor(color);
    std::string hex = "#";
    for (int shift = 20; shift >= 0; shift -= 4)
        hex += digits[(rgb >> shift) & 0x0F];
    return "<span class=\"swatch\" style=\"background:" + hex + "\">&nbsp;</span>";
}

// What the page marks in one team's grids: the old text of each changed cell, and the rows a
// player arrived at by a move or a transfer.
struct TeamMarks {
    std::map<std::tuple<Grid, int, int>, std::string> oldTexts; // grid, row, column
    std::map<std::pair<Grid, int>, std::string> arrivals;       // grid, row -> description
};

template <std::size_t ColumnCount>
void AppendGrid(std::string& out, Grid grid, const std::string& corner,
                const std::array<std::string, ColumnCount>& captions, const auto& rowLabels,
                const auto& rows, const TeamMarks& marks, const ChangeLabels& labels) {
    out += grid == Grid::Batters ? "<table class=\"batters\">\n<tr><th>"
                                 : "<table class=\"pitchers\">\n<tr><th>";
    out += HtmlText(corner);
    for (const std::string& caption : captions)
        out += "<th>" + HtmlText(caption);
    out += "\n";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const int row = static_cast<int>(r) + 1;
        const auto arrival = marks.arrivals.find({grid, row});
        if (arrival != marks.arrivals.end())
            out += "<tr class=\"arrived\"><th title=\"" + HtmlText(arrival->second) + "\">";
        else
            out += "<tr><th>";
        out += HtmlText(rowLabels[r]);
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            const int column = static_cast<int>(c) + 1;
            const bool name = column == teamdata::BatterColumn::Name;
            const auto shown = [&](const std::string& text) {
                return HtmlText(CellText(column, text, labels));
            };
            const auto old = marks.oldTexts.find({grid, row, column});
            if (old == marks.oldTexts.end())
                out += (name ? "<td class=\"name\">" : "<td>") + shown(rows[r][c]);
            else
                out += (name ? "<td class=\"changed name\">" : "<td class=\"changed\">") +
                       shown(rows[r][c]) + "<del>" + shown(old->second) + "</del>";
        }
        out += "\n";
    }
    out += "</table>\n";
}

void AppendTeam(std::string& out, int team, const std::vector<const LeagueChange*>& changes,
                const teamdata::TeamTexts& texts, const ChangeLabels& labels) {
    TeamMarks marks;
    std::string colors;
    std::string arrivals;
    for (const LeagueChange* change : changes) {
        if (const auto* cell = std::get_if<CellChange>(change)) {
            marks.oldTexts[{cell->grid, cell->row, cell->column}] = cell->before;
        } else if (const auto* color = std::get_if<ColorChange>(change)) {
            colors += "<p class=\"color\">" + HtmlText(SlotWord(color->slot, labels)) + ":" +
                      Swatch(color->before) + HtmlText(ColorText(color->before)) +
                      std::string(Arrow) + Swatch(color->after) +
                      HtmlText(ColorText(color->after)) + "</p>\n";
        } else {
            const auto* move = std::get_if<PlayerMove>(change);
            const auto* transfer = std::get_if<PlayerTransfer>(change);
            const Grid grid = move ? move->grid : transfer->grid;
            const int row = move ? move->toRow : transfer->toRow;
            const std::string description = Description(*change, labels);
            marks.arrivals[{grid, row}] = description;
            arrivals += "<li>" + HtmlText(description) + "</li>\n";
        }
    }

    out +=
        "<section>\n<h2>" + HtmlText(FillPattern(labels.teamHeading, {Initials(team)})) + "</h2>\n";
    out += colors;
    if (!arrivals.empty())
        out += "<ul class=\"moves\">\n" + arrivals + "</ul>\n";
    AppendGrid(out, Grid::Batters, labels.batter, labels.batterColumns, teamdata::BatterLabels,
               texts.batters, marks, labels);
    AppendGrid(out, Grid::Pitchers, labels.pitcher, labels.pitcherColumns, teamdata::PitcherLabels,
               texts.pitchers, marks, labels);
    out += "</section>\n";
}

} // namespace

std::array<std::string, 9> BatterColumnCaptions() {
    return Captions<9>(teamdata::BatterHeaders);
}

std::array<std::string, 11> PitcherColumnCaptions() {
    return Captions<11>(teamdata::PitcherHeaders);
}

std::string BuildChangeText(const std::vector<LeagueChange>& changes, const ChangeLabels& labels) {
    std::string out;
    std::size_t ranges = 0;
    std::size_t bytes = 0;
    for (const LeagueChange& change : changes) {
        if (const std::optional<teamdata::ChangePlace> place = teamdata::PlaceOf(change)) {
            out += Initials(place->team) + " ";
        } else {
            ++ranges;
            bytes += std::get<ByteRange>(change).length;
        }
        out += Description(change, labels) + "\n";
    }
    if (ranges > 0)
        out += FillPattern(labels.byteTotal, {Counted(ranges), Counted(bytes)}) + "\n";
    return out;
}

ChangeFields FieldsOf(const LeagueChange& change, const ChangeLabels& labels) {
    if (const auto* cell = std::get_if<CellChange>(&change))
        return {Initials(cell->team),
                GridWord(cell->grid, labels),
                std::to_string(cell->row),
                Name(cell->nameAfter, labels),
                Caption(cell->grid, cell->column, labels),
                CellText(*cell, cell->before, labels),
                CellText(*cell, cell->after, labels)};
    if (const auto* color = std::get_if<ColorChange>(&change))
        return {
            Initials(color->team),    labels.color,           "", "", SlotWord(color->slot, labels),
            ColorText(color->before), ColorText(color->after)};
    if (const auto* move = std::get_if<PlayerMove>(&change))
        return {Initials(move->team),          GridWord(move->grid, labels),
                std::to_string(move->toRow),   Name(move->name, labels),
                OrderWord(move->grid, labels), std::to_string(move->fromRow),
                std::to_string(move->toRow)};
    if (const auto* transfer = std::get_if<PlayerTransfer>(&change))
        return {Initials(transfer->toTeam),
                GridWord(transfer->grid, labels),
                std::to_string(transfer->toRow),
                Name(transfer->name, labels),
                labels.transfer,
                Place(transfer->fromTeam, transfer->fromRow),
                Place(transfer->toTeam, transfer->toRow)};
    const auto& range = std::get<ByteRange>(change);
    return {"",
            labels.bytes,
            "",
            "",
            Hex(range.offset) + "-" + Hex(range.offset + range.length - 1),
            "",
            ""};
}

std::string BuildChangeCsv(const std::vector<LeagueChange>& changes) {
    const ChangeLabels japanese;
    std::string out;
    for (std::size_t i = 0; i < ChangeCsvHeaders.size(); ++i) {
        if (i > 0)
            out += ',';
        out += CsvField(ChangeCsvHeaders[i]);
    }
    out += "\r\n";
    for (const LeagueChange& change : changes) {
        const ChangeFields fields = FieldsOf(change, japanese);
        bool first = true;
        for (const std::string* field : {&fields.team, &fields.kind, &fields.row, &fields.name,
                                         &fields.item, &fields.before, &fields.after}) {
            if (!first)
                out += ',';
            out += CsvField(*field);
            first = false;
        }
        out += "\r\n";
    }
    return out;
}

std::string BuildChangeHtml(const std::vector<LeagueChange>& changes, const LeagueTexts& after,
                            const ChangeLabels& pageLabels) {
    ChangeLabels labels = pageLabels;
    labels.namesForDisplay = true;
    std::array<std::vector<const LeagueChange*>, teamdata::TeamCount> byTeam;
    std::vector<const LeagueChange*> ranges;
    for (const LeagueChange& change : changes) {
        if (const std::optional<teamdata::ChangePlace> place = teamdata::PlaceOf(change))
            byTeam[static_cast<std::size_t>(place->team)].push_back(&change);
        else
            ranges.push_back(&change);
    }

    std::string out = "<!DOCTYPE html>\n<html lang=\"" + HtmlText(labels.language) +
                      "\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
                      HtmlText(labels.pageTitle) + "</title>\n<style>\n" + std::string(PageStyle) +
                      "</style>\n</head>\n<body>\n<h1>" + HtmlText(labels.pageTitle) + "</h1>\n";
    if (changes.empty())
        out += "<p>" + HtmlText(labels.noChanges) + "</p>\n";
    else
        out += "<p class=\"legend\">" + HtmlText(labels.legend) + "</p>\n";
    for (int team = 0; team < teamdata::TeamCount; ++team) {
        const auto& teamChanges = byTeam[static_cast<std::size_t>(team)];
        if (!teamChanges.empty())
            AppendTeam(out, team, teamChanges, after[static_cast<std::size_t>(team)], labels);
    }
    if (!ranges.empty()) {
        std::size_t bytes = 0;
        out += "<section>\n<h2>" + HtmlText(labels.bytesHeading) + "</h2>\n<ul class=\"bytes\">\n";
        for (const LeagueChange* range : ranges) {
            out += "<li>" + HtmlText(Description(*range, labels)) + "</li>\n";
            bytes += std::get<ByteRange>(*range).length;
        }
        out += "</ul>\n<p>" +
               HtmlText(FillPattern(labels.byteTotal, {Counted(ranges.size()), Counted(bytes)})) +
               "</p>\n</section>\n";
    }
    out += "</body>\n</html>\n";
    return out;
}

} // namespace reports
