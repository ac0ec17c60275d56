// SPDX-License-Identifier: MIT
#include "Values.h"

#include "ChangeReport.h"
#include "Checksums.h"
#include "IssueWords.h"
#include "TRomTeamData.h"
#include "Team.h"

#include <cstdio>
#include <string_view>

// The marker lupdate finds the words by, as Qt defines it.
#define QT_TRANSLATE_NOOP(scope, x) x

// The page words a case by its name: the names here are the keys its words are found by.
namespace web {

using emscripten::val;

std::vector<std::uint8_t> BytesOf(const val& array) {
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

std::string ChecksumText(std::uint32_t checksum) {
    char text[9];
    std::snprintf(text, sizeof text, "%08X", static_cast<unsigned>(checksum));
    return text;
}

std::string CssColor(teamdata::Rgb rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%06x", static_cast<unsigned>(rgb));
    return text;
}

namespace {

const char* VerdictName(teamdata::ImageVerdict verdict) {
    switch (verdict) {
    case teamdata::ImageVerdict::Sound:
        return "sound";
    case teamdata::ImageVerdict::Questionable:
        return "questionable";
    case teamdata::ImageVerdict::Refused:
        return "refused";
    }
    return "refused";
}

// The names the page's catalog keys its wording of a doubt by.
const char* DoubtName(teamdata::ImageDoubt doubt) {
    switch (doubt) {
    case teamdata::ImageDoubt::None:
        return "none";
    case teamdata::ImageDoubt::NoInesMagic:
        return "noInesMagic";
    case teamdata::ImageDoubt::TooShort:
        return "tooShort";
    case teamdata::ImageDoubt::LengthMismatch:
        return "lengthMismatch";
    case teamdata::ImageDoubt::UnreadableRecord:
        return "unreadableRecord";
    case teamdata::ImageDoubt::UnreadableName:
        return "unreadableName";
    case teamdata::ImageDoubt::FieldingPositions:
        return "fieldingPositions";
    }
    return "none";
}

} // namespace

std::string InitialsOf(int team) {
    if (!teamdata::IsValidTeam(team))
        return {};
    return std::string(TRomTeamData::TeamInitials[static_cast<std::size_t>(team)]);
}

val CheckValue(const teamdata::ImageCheck& check) {
    val value = val::object();
    value.set("verdict", VerdictName(check.verdict));
    value.set("doubt", DoubtName(check.doubt));
    value.set("team", InitialsOf(check.team));
    // Sizes as text: a 64-bit number has no exact JavaScript number in general.
    value.set("declaredSize", std::to_string(check.declaredSize));
    value.set("actualSize", std::to_string(check.actualSize));
    value.set("minimumSize", std::to_string(teamdata::ImageMinimumSize));
    return value;
}

const char* OpenVerdictName(plans::OpenVerdict verdict) {
    switch (verdict) {
    case plans::OpenVerdict::Open:
        return "sound";
    case plans::OpenVerdict::AskFirst:
        return "questionable";
    case plans::OpenVerdict::Refused:
        return "refused";
    }
    return "refused";
}

const char* ExportDecisionName(plans::ExportDecision decision) {
    switch (decision) {
    case plans::ExportDecision::Made:
        return "made";
    case plans::ExportDecision::TeamNotGiven:
        return "teamNotGiven";
    case plans::ExportDecision::PageOnlyInShiftJis:
        return "pageOnlyInShiftJis";
    case plans::ExportDecision::NotANumber:
        return "notANumber";
    }
    return "notANumber";
}

const char* ApplyVerdictName(plans::ApplyVerdict verdict) {
    switch (verdict) {
    case plans::ApplyVerdict::Write:
        return "write";
    case plans::ApplyVerdict::AlreadyApplied:
        return "alreadyApplied";
    case plans::ApplyVerdict::Refused:
        return "refused";
    case plans::ApplyVerdict::NoImage:
        return "noImage";
    case plans::ApplyVerdict::AskFirst:
        return "askFirst";
    }
    return "refused";
}

val BytesValue(std::span<const std::uint8_t> bytes) {
    // A copy the page owns: a view into the core's memory would go stale when it grows.
    return val::global("Uint8Array")
        .new_(emscripten::typed_memory_view(bytes.size(), bytes.data()));
}

val StringBytes(std::string_view text) {
    return BytesValue(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

namespace {

const char* PatchDecisionName(teamdata::PatchDecision decision) {
    switch (decision) {
    case teamdata::PatchDecision::AlreadyApplied:
        return "alreadyApplied";
    case teamdata::PatchDecision::Applied:
        return "applied";
    case teamdata::PatchDecision::AppliedToData:
        return "appliedToData";
    case teamdata::PatchDecision::Refused:
        return "refused";
    }
    return "refused";
}

const char* PatchRefusalName(teamdata::PatchRefusal refusal) {
    switch (refusal) {
    case teamdata::PatchRefusal::None:
        return "none";
    case teamdata::PatchRefusal::NotAPatch:
        return "notAPatch";
    case teamdata::PatchRefusal::Malformed:
        return "malformed";
    case teamdata::PatchRefusal::SourceSizeMismatch:
        return "sourceSizeMismatch";
    case teamdata::PatchRefusal::SourceChecksumMismatch:
        return "sourceChecksumMismatch";
    case teamdata::PatchRefusal::PatchChecksumMismatch:
        return "patchChecksumMismatch";
    case teamdata::PatchRefusal::ResultChecksumMismatch:
        return "resultChecksumMismatch";
    case teamdata::PatchRefusal::TooLarge:
        return "tooLarge";
    }
    return "malformed";
}

const char* CompareDecisionName(plans::CompareDecision decision) {
    switch (decision) {
    case plans::CompareDecision::Compared:
        return "compared";
    case plans::CompareDecision::AlreadyApplied:
        return "alreadyApplied";
    case plans::CompareDecision::PatchRefused:
        return "patchRefused";
    case plans::CompareDecision::NoImage:
        return "noImage";
    case plans::CompareDecision::AskFirst:
        return "askFirst";
    case plans::CompareDecision::CsvRefused:
        return "csvRefused";
    case plans::CompareDecision::TeamMissing:
        return "teamMissing";
    }
    return "noImage";
}

// A patch's decision as the page words it: the refusal with the checksums it names, and the notes
// for the user.
val PatchValue(const plans::ApplyPlan& plan) {
    const teamdata::PatchApplication& patch = plan.patch;
    val value = val::object();
    value.set("decision", PatchDecisionName(patch.decision));
    value.set("refusal", PatchRefusalName(patch.refusal));
    value.set("expectedChecksum", ChecksumText(patch.expectedSourceChecksum));
    value.set("imageChecksum", ChecksumText(patch.imageChecksum));
    value.set("imageDataChecksum", ChecksumText(patch.imageDataChecksum));
    value.set("headerOnlyRuledOut", patch.headerOnlyRuledOut);
    value.set("largestMiB", std::to_string(teamdata::MaxBpsResultSize >> 20));
    val notes = val::array();
    for (const plans::ApplyNote note : plan.notes)
        notes.call<void>("push", std::string(note == plans::ApplyNote::HeaderOnlyDifference
                                                 ? "headerOnlyDifference"
                                                 : "ipsProvesNoSource"));
    value.set("notes", notes);
    value.set("resultCheck", CheckValue(plan.resultCheck));
    return value;
}

} // namespace

// A comparison as the page shows it: the decision and the change list in the window's columns.
val ComparisonValue(const plans::ComparisonPlan& plan) {
    val value = val::object();
    value.set("decision", CompareDecisionName(plan.decision));
    value.set("afterCheck", CheckValue(plan.afterCheck));
    if (plan.apply)
        value.set("patch", PatchValue(*plan.apply));
    if (!plan.Shown())
        return value;
    val rows = val::array();
    for (const teamdata::LeagueChange& change : plan.changes) {
        const reports::ChangeFields fields = reports::FieldsOf(change);
        rows.call<void>("push",
                        ArrayOf(std::array{fields.team, fields.kind, fields.row, fields.name,
                                           fields.item, fields.before, fields.after}));
    }
    value.set("changes", rows);
    return value;
}

reports::Words PageWords(const std::string& language) {
    reports::Words words;
    words.language = language == "en" ? "en" : "ja";
    const val catalog = val::global("TOLVANEK_CATALOG")[words.language];
    words.translate = [catalog](const char* context, const char* source,
                                const char* disambiguation) {
        // As Qt looks a text up: with its disambiguation first, then without.
        std::string key = std::string(context) + '\x04' + source;
        if (disambiguation && *disambiguation) {
            const val marked = catalog[key + '\x04' + disambiguation];
            if (marked.isString())
                return marked.as<std::string>();
        }
        const val plain = catalog[key];
        return plain.isString() ? plain.as<std::string>() : std::string(source);
    };
    words.translateCount = [catalog](const char* context, const char* source, int count) {
        // The catalog keeps a text's forms for counts joined by U+0005, the one for 1 first.
        const val found = catalog[std::string(context) + '\x04' + source];
        std::string text = found.isString() ? found.as<std::string>() : std::string(source);
        const std::size_t split = text.find('\x05');
        if (split != std::string::npos)
            text = count == 1 ? text.substr(0, split) : text.substr(split + 1);
        const std::string number = std::to_string(count);
        for (std::size_t at = text.find("%n"); at != std::string::npos; at = text.find("%n", at)) {
            text.replace(at, 2, number);
            at += number.size();
        }
        return text;
    };
    return words;
}

val IssuesValue(const std::vector<reports::CsvIssue>& issues, const std::string& language) {
    const reports::Words words = PageWords(language);
    val list = val::array();
    for (const reports::CsvIssue& issue : issues) {
        const std::string text = reports::IssueText(words, issue);
        // A problem of a JSON file is placed by its JSON pointer, one of a CSV file by its line. A
        // pointer holds the file's member names, shown as any text from outside.
        const std::string place =
            issue.pointer ? reports::ShownText(*issue.pointer)
            : issue.column > 0
                ? reports::Filled(words("Web", QT_TRANSLATE_NOOP("Web", "line %1, field %2")),
                                  {std::to_string(issue.line), std::to_string(issue.column)})
                : reports::Filled(words("Web", QT_TRANSLATE_NOOP("Web", "line %1")),
                                  {std::to_string(issue.line)});
        val item = val::object();
        item.set("line", issue.line);
        item.set("words", text);
        item.set("placed", place + ": " + text);
        list.call<void>("push", item);
    }
    return list;
}

const char* HeaderKindName(teamdata::InesKind kind) {
    switch (kind) {
    case teamdata::InesKind::Ines10:
        return "ines10";
    case teamdata::InesKind::Nes20:
        return "nes20";
    case teamdata::InesKind::Archaic:
        return "archaic";
    }
    return "archaic";
}

// The names of the two standard forms, which no language translates.
const char* HeaderFormName(teamdata::InesKind kind) {
    switch (kind) {
    case teamdata::InesKind::Ines10:
        return "iNES 1.0";
    case teamdata::InesKind::Nes20:
        return "NES 2.0";
    case teamdata::InesKind::Archaic:
        break;
    }
    return "";
}

// A declared size as the image information gives it: whole kibibytes where it is that.
val SizeOf(std::uint64_t bytes) {
    val size = val::object();
    const bool kibibytes = bytes % 1024 == 0;
    size.set("amount", std::to_string(kibibytes ? bytes / 1024 : bytes));
    size.set("unit", kibibytes ? "KiB" : "bytes");
    return size;
}

} // namespace web
