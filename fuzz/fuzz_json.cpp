// SPDX-License-Identifier: MIT
// The import's plan on arbitrary JSON. The first byte names the team a team's form is read into
// (bit 4 clear: the low four bits; set: the team it names) and asks for rounding (bit 5); the rest
// is the file. The image holds a fixed league: even teams values the editor gives, odd teams any
// bytes. Every issue has a pointer into the document (a syntax error a line and column inside the
// text); a file read without errors writes exactly the teams it changes, exports again to JSON
// that reads back over the result without a change, and the same file leaves the result as it is.

#include "FuzzSupport.h"

#include "Import.h"
#include "IssueWords.h"
#include "JsonForms.h"
#include "RecordText.h"
#include "Team.h"
#include "TextEncoding.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

using namespace teamdata;
using reports::CsvIssue;
using reports::CsvIssueKind;

namespace {

const std::vector<std::uint8_t>& CurrentImage() {
    static const std::vector<std::uint8_t> image = [] {
        std::vector<std::uint8_t> bytes(ImageMinimumSize);
        for (std::size_t i = 0; i < bytes.size(); ++i)
            bytes[i] = static_cast<std::uint8_t>((i * 131 + 7) % 251);
        for (int team = 0; team < TeamCount; team += 2) {
            TeamRecords records;
            for (std::size_t r = 0; r < records.batters.size(); ++r) {
                BatterBytes& b = records.batters[r];
                b.tiles = {1, 2, 3, 4, static_cast<std::uint8_t>(5 + r)};
                b.side = 1;
                b.popularityPosition =
                    static_cast<std::uint8_t>(0x30 | (r < BattingOrderLength ? r + 2 : 1));
                b.averageCode = 60;
                b.homeRuns = 12;
                b.speed = 20;
                b.fielding = 3;
                b.arm = 3;
            }
            for (PitcherBytes& p : records.pitchers) {
                p.tiles = {6, 7, 8, 9, 10};
                p.style = 0;
                p.popularity = 0x31;
                p.eraCode = 30;
                p.stamina = 10;
                p.fast = p.medium = p.slow = 140;
                p.rightBreak = p.leftBreak = p.fork = 4;
            }
            records.colors = {0x16, 0x21};
            PutTeamRecords(bytes, team, records);
        }
        return bytes;
    }();
    return image;
}

void CheckIssue(const CsvIssue& issue, std::string_view text) {
    // Its words show whatever the file held as text a message can carry, with nothing left out.
    const std::string words = reports::IssueText(reports::Words{}, issue);
    FUZZ_CHECK(!words.empty() && reports::IsValidUtf8(words));
    FUZZ_CHECK(std::none_of(words.begin(), words.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x20 || c == 0x7F;
    }));
    if (issue.kind == CsvIssueKind::JsonSyntax) {
        const auto lines = 1 + std::count(text.begin(), text.end(), '\n');
        FUZZ_CHECK(!issue.pointer && issue.line >= 1 && issue.line <= lines && issue.column >= 1);
        return;
    }
    // Every other place is a pointer: empty (the document) or "/" and tokens.
    FUZZ_CHECK(issue.pointer.has_value());
    FUZZ_CHECK(issue.pointer->empty() || issue.pointer->front() == '/');
    FUZZ_CHECK(issue.team >= -1 && issue.team < TeamCount);
    FUZZ_CHECK(issue.cell.has_value() == (issue.kind == CsvIssueKind::CellRefused));
    if (issue.cell)
        FUZZ_CHECK(issue.cell->row >= 1 &&
                   issue.cell->row <=
                       (issue.cell->grid == Grid::Batters ? BatterCount : PitcherCount));
}

std::span<const std::uint8_t> Span(std::string_view text) {
    return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    plans::ImportChoices how{(data[0] & 0x10) == 0 ? std::optional<int>(data[0] & 0x0F)
                                                   : std::nullopt,
                             [](std::string_view) -> std::string {
                                 fuzzsupport::Fail("JSON decoded as Shift_JIS", __FILE__, __LINE__);
                             }};
    how.round = (data[0] & 0x20) != 0;
    how.jsonByName = true;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const plans::ImportPlan plan = plans::PlanImport(CurrentImage(), Span(text), how);
    for (const CsvIssue& issue : plan.read.errors)
        CheckIssue(issue, text);
    for (const CsvIssue& issue : plan.read.notes)
        CheckIssue(issue, text);
    if (!plan.read.errors.empty()) {
        FUZZ_CHECK(plan.writes.empty() && plan.result.empty() && plan.changes.empty());
        return 0;
    }
    FUZZ_CHECK(plan.result.size() == CurrentImage().size());
    std::size_t changed = 0;
    for (const reports::ImportedTeam& imported : plan.read.teams) {
        FUZZ_CHECK(TextsOf(TeamRecordsAt(plan.result, imported.team)) == imported.texts);
        changed += imported.changed;
    }
    FUZZ_CHECK(plan.writes.size() == changed);
    FUZZ_CHECK(plan.changes.empty() == plan.writes.empty());

    // What was written exports to JSON that reads back over it unchanged, and the same file
    // changes nothing more.
    const std::string exported = reports::BuildLeagueJson(plans::LeagueTextsOf(plan.result));
    const plans::ImportPlan back = plans::PlanImport(plan.result, Span(exported), how);
    FUZZ_CHECK(back.read.errors.empty() && back.writes.empty() && back.changes.empty());
    const plans::ImportPlan again = plans::PlanImport(plan.result, Span(text), how);
    FUZZ_CHECK(again.read.errors.empty() && again.writes.empty() && again.result == plan.result);
    return 0;
}
