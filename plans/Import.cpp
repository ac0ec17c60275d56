// SPDX-License-Identifier: MIT
#include "Import.h"

#include "CellMerge.h"
#include "JsonForms.h"
#include "TextEncoding.h"

#include <algorithm>

namespace plans {

namespace {

// Two players of one team whose names in kanji were read alike would look the same in the game:
// the later one is named, with the line of the first.
void NoteSameReadings(std::vector<reports::CsvIssue>& notes) {
    std::vector<reports::CsvIssue> same;
    for (std::size_t i = 0; i < notes.size(); ++i) {
        if (notes[i].kind != reports::CsvIssueKind::NameRead)
            continue;
        for (std::size_t j = 0; j < i; ++j) {
            if (notes[j].kind != reports::CsvIssueKind::NameRead ||
                notes[j].team != notes[i].team || notes[j].expected != notes[i].expected)
                continue;
            reports::CsvIssue& note = same.emplace_back();
            note.kind = reports::CsvIssueKind::SameReading;
            note.line = notes[i].line;
            note.column = notes[i].column;
            note.team = notes[i].team;
            note.text = notes[i].text;
            note.expected = notes[i].expected;
            note.otherLine = notes[j].line;
            note.pointer = notes[i].pointer;
            if (notes[j].pointer)
                note.otherPointer = *notes[j].pointer;
            break;
        }
    }
    notes.insert(notes.end(), same.begin(), same.end());
}

} // namespace

ImportPlan PlanImport(std::span<const std::uint8_t> image, std::span<const std::uint8_t> file,
                      const ImportChoices& how) {
    ImportPlan plan;
    plan.read =
        ReadCsvFile({reinterpret_cast<const char*>(file.data()), file.size()}, LeagueTextsOf(image),
                    how.team, how.decodeText, how.round, how.readKanji, how.jsonByName);
    if (!plan.read.errors.empty())
        return plan;
    plan.result.assign(image.begin(), image.end());
    for (const reports::ImportedTeam& team : plan.read.teams) {
        if (!team.changed)
            continue;
        const teamdata::TeamRecords records = teamdata::TeamRecordsAt(image, team.team);
        teamdata::TeamRecords merged =
            teamdata::MergeChangedCells(records, teamdata::TextsOf(records), team.texts);
        teamdata::PutTeamRecords(plan.result, team.team, merged);
        plan.writes.push_back({team.team, std::move(merged)});
    }
    plan.changes = teamdata::CompareLeagues(image, plan.result);
    return plan;
}

bool TeamMissing(const ImportPlan& plan) {
    return std::any_of(plan.read.errors.begin(), plan.read.errors.end(),
                       [](const reports::CsvIssue& issue) {
                           return issue.kind == reports::CsvIssueKind::TeamNotGiven;
                       });
}

TeamCsvPlan PlanTeamCsvImport(std::string_view file, const teamdata::TeamTexts& shown,
                              int shownTeam, const TextDecoder& decodeText, bool round,
                              const teamdata::KanjiNameReader& readKanji) {
    reports::LeagueTexts current;
    current.fill(shown);
    TeamCsvPlan plan;
    plan.read = ReadCsvFile(file, current, shownTeam, decodeText, round, readKanji);
    if (!plan.read.errors.empty())
        plan.decision = TeamCsvDecision::Refused;
    else if (plan.read.teams.size() != 1)
        plan.decision = TeamCsvDecision::NotOneTeam;
    else
        plan.decision = TeamCsvDecision::Apply;
    return plan;
}

std::vector<teamdata::LeagueChange> ShownTeamChanges(std::span<const std::uint8_t> image, int team,
                                                     const teamdata::TeamTexts& shown,
                                                     const teamdata::TeamTexts& imported) {
    const teamdata::TeamRecords onDisk = teamdata::TeamRecordsAt(image, team);
    const teamdata::TeamRecords before =
        teamdata::MergeChangedCells(onDisk, teamdata::TextsOf(onDisk), shown);
    std::vector<std::uint8_t> beforeImage(image.begin(), image.end());
    teamdata::PutTeamRecords(beforeImage, team, before);
    std::vector<std::uint8_t> afterImage(image.begin(), image.end());
    teamdata::PutTeamRecords(afterImage, team,
                             teamdata::MergeChangedCells(before, shown, imported));
    return teamdata::CompareLeagues(beforeImage, afterImage);
}

reports::CsvImport ReadCsvFile(std::string_view bytes, const reports::LeagueTexts& current,
                               std::optional<int> teamOfTeamCsv, const TextDecoder& decodeText,
                               bool round, const teamdata::KanjiNameReader& readKanji,
                               bool jsonByName) {
    // JSON is UTF-8 by definition; its own reader says where it stops being JSON.
    if (jsonByName || reports::LooksLikeJson(bytes)) {
        reports::CsvImport read = reports::ReadJson(bytes, current, teamOfTeamCsv, round, readKanji);
        NoteSameReadings(read.notes);
        return read;
    }
    const reports::TextEncoding encoding = reports::GuessTextEncoding(bytes);
    if (encoding == reports::TextEncoding::Utf16 || encoding == reports::TextEncoding::Utf32 ||
        encoding == reports::TextEncoding::NotText) {
        // Read as Shift_JIS, such a file would give a line of stray characters per character.
        reports::CsvImport refused;
        reports::CsvIssue& issue = refused.errors.emplace_back();
        issue.line = 1;
        if (encoding == reports::TextEncoding::Utf16) {
            issue.kind = reports::CsvIssueKind::Utf16Text;
        } else if (encoding == reports::TextEncoding::Utf32) {
            issue.kind = reports::CsvIssueKind::Utf32Text;
        } else {
            issue.kind = reports::CsvIssueKind::NotText;
            issue.line = reports::LineOfFirstZeroByte(bytes);
        }
        return refused;
    }
    // Shift_JIS text with any Japanese in it is practically never valid UTF-8, and text that is
    // both (plain ASCII) reads the same either way.
    reports::CsvImport read =
        reports::IsValidUtf8(bytes)
            ? reports::ReadCsv(bytes, current, teamOfTeamCsv, round, readKanji)
            : reports::ReadCsv(decodeText(bytes), current, teamOfTeamCsv, round, readKanji);
    NoteSameReadings(read.notes);
    return read;
}

reports::LeagueTexts LeagueTextsOf(std::span<const std::uint8_t> image) {
    reports::LeagueTexts texts;
    for (int team = 0; team < teamdata::TeamCount; ++team)
        texts[static_cast<std::size_t>(team)] =
            teamdata::TextsOf(teamdata::TeamRecordsAt(image, team));
    return texts;
}

} // namespace plans
