// SPDX-License-Identifier: MIT
// The core as the browser page sees it: bytes in, data out, nothing worded. The page's
// JavaScript hands over the bytes the browser read, draws what comes back and words it from the
// translation catalog; every decision is made here, by the same code the window and the command
// line run.
#include "ChangeReport.h"
#include "Checksums.h"
#include "Compare.h"
#include "Exports.h"
#include "GridCaptions.h"
#include "ImageCheck.h"
#include "InesHeader.h"
#include "MakePatch.h"
#include "Open.h"
#include "Palette.h"
#include "TRomTeamData.h"
#include "Team.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using emscripten::val;

std::vector<std::uint8_t> BytesOf(const val& array) {
    return emscripten::convertJSArrayToNumberVector<std::uint8_t>(array);
}

template <typename Texts> val ArrayOf(const Texts& texts) {
    val array = val::array();
    for (const auto& text : texts)
        array.call<void>("push", std::string(text));
    return array;
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

// A comparison as the page shows and saves it: the decision, the change list in the window's
// columns, and its text and review page as the command line's diff writes them.
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
    value.set("text", StringBytes(reports::BuildChangeText(plan.changes)));
    value.set("page", StringBytes(reports::BuildChangeHtml(plan.changes,
                                                           plans::LeagueTextsOf(plan.after))));
    return value;
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

// One image the page has read: kept here so that switching teams does not copy it over again.
class PageImage {
public:
    explicit PageImage(const val& bytes)
        : opened_(plans::PlanOpen(BytesOf(bytes)))
        , bytes_(opened_.bytes) {}

    [[nodiscard]] val Check() const {
        val check = CheckValue(opened_.check);
        check.set("verdict", OpenVerdictName(opened_.Verdict()));
        return check;
    }

    // A file made of this image's teams, as the command line's export, overview and show write
    // it: `kind` "league", "teamCsv", "teamPage", "overview" or "show"; `encoding` "shiftJis" or
    // "utf8" for a CSV file.
    [[nodiscard]] val Export(const std::string& kind, int team, const std::string& encoding) const {
        plans::ExportChoices how;
        how.kind = kind == "teamCsv"    ? plans::ExportKind::TeamCsv
                   : kind == "teamPage" ? plans::ExportKind::TeamPage
                   : kind == "overview" ? plans::ExportKind::Overview
                   : kind == "show"     ? plans::ExportKind::Show
                                        : plans::ExportKind::LeagueCsv;
        how.team = team;
        how.encoding = encoding == "utf8" ? plans::CsvEncoding::Utf8 : plans::CsvEncoding::ShiftJis;
        const plans::ExportPlan plan = plans::PlanExport(bytes_, how);
        val value = val::object();
        value.set("decision", ExportDecisionName(plan.decision));
        value.set("notANumber", plan.notANumber);
        if (plan.decision == plans::ExportDecision::Made)
            value.set("bytes", StringBytes(plan.bytes));
        return value;
    }

    // The patch from this image to `modified`, in the format `fileName`'s extension asks for.
    [[nodiscard]] val MakePatch(const val& modified, const std::string& fileName) const {
        const std::vector<std::uint8_t> target = BytesOf(modified);
        const plans::PatchMakingPlan plan = plans::PlanMakePatch(bytes_, target, fileName);
        val value = val::object();
        value.set("decision", plan.decision == plans::PatchMakingDecision::Made ? "made"
                              : plan.decision == plans::PatchMakingDecision::TooLargeForIps
                                  ? "tooLargeForIps"
                                  : "unknownFormat");
        if (plan.decision == plans::PatchMakingDecision::Made)
            value.set("bytes", BytesValue(plan.bytes));
        return value;
    }

    // This image against another image or a patch (`kind` "image" or "patch"); `agreed` when the
    // user has said yes to a result that does not look like the game's.
    [[nodiscard]] val Compare(const val& other, const std::string& kind, bool agreed) const {
        const std::vector<std::uint8_t> bytes = BytesOf(other);
        plans::CompareChoices how;
        // Only read, never written: an image that does not look like this game's is compared.
        how.agreed = agreed || kind == "image";
        return ComparisonValue(plans::PlanComparison(
            bytes_, bytes, kind == "patch" ? plans::CompareKind::Patch : plans::CompareKind::Image,
            how));
    }

    // A received patch put onto this image: its decision, the changes it makes and, when it is
    // to be written, the patched image.
    [[nodiscard]] val Apply(const val& patch, bool agreed) const {
        const std::vector<std::uint8_t> bytes = BytesOf(patch);
        plans::CompareChoices how;
        how.agreed = agreed;
        const plans::ComparisonPlan compared =
            plans::PlanComparison(bytes_, bytes, plans::CompareKind::Patch, how);
        val value = ComparisonValue(compared);
        const plans::ApplyPlan& plan = *compared.apply;
        value.set("verdict", ApplyVerdictName(plan.verdict));
        if (plan.verdict == plans::ApplyVerdict::Write)
            value.set("result", BytesValue(plan.result));
        return value;
    }

    // Which cartridge this is: its header as declared, and the checksums of the whole file and of
    // the file without its header, the form cartridge databases list.
    [[nodiscard]] val Identity() const {
        val identity = val::object();
        const std::span<const std::uint8_t> bytes = bytes_;
        if (const auto header = teamdata::ReadInesHeader(bytes)) {
            val declared = val::object();
            declared.set("kind", HeaderKindName(header->kind));
            declared.set("name", HeaderFormName(header->kind));
            declared.set("programSize", SizeOf(header->programSize));
            declared.set("characterSize", SizeOf(header->characterSize));
            declared.set("mapper", header->mapper);
            identity.set("header", declared);
        } else {
            identity.set("header", val::null());
        }
        const std::span<const std::uint8_t> data = bytes.size() >= teamdata::InesHeaderBytes
                                                       ? bytes.subspan(teamdata::InesHeaderBytes)
                                                       : std::span<const std::uint8_t>();
        identity.set("size", std::to_string(bytes.size()));
        identity.set("crc32", ChecksumText(teamdata::Crc32(bytes)));
        identity.set("sha1", teamdata::Sha1Hex(bytes));
        identity.set("dataCrc32", ChecksumText(teamdata::Crc32(data)));
        identity.set("dataSha1", teamdata::Sha1Hex(data));
        return identity;
    }

    // A team's cells as the grids show them, and its two swatch colours. Nothing for a refused
    // image, which holds no teams to show.
    [[nodiscard]] val Team(int team) const {
        if (opened_.Refused() || !teamdata::IsValidTeam(team))
            return val::null();
        const teamdata::TeamTexts& texts = opened_.texts[static_cast<std::size_t>(team)];
        val batters = val::array();
        for (const auto& row : texts.batters)
            batters.call<void>("push", ArrayOf(row));
        val pitchers = val::array();
        for (const auto& row : texts.pitchers)
            pitchers.call<void>("push", ArrayOf(row));
        val shown = val::object();
        shown.set("batters", batters);
        shown.set("pitchers", pitchers);
        shown.set("helmet", CssColor(teamdata::SwatchColor(texts.colors.helmet)));
        shown.set("uniform", CssColor(teamdata::SwatchColor(texts.colors.uniform)));
        return shown;
    }

private:
    plans::OpenPlan opened_;
    const std::vector<std::uint8_t>& bytes_;
};

// The fixed texts of the two grids and of the team box, character for character as the window
// shows them.
val GridTexts() {
    val texts = val::object();
    texts.set("batterHeaders", ArrayOf(teamdata::BatterHeaders));
    texts.set(
        "pitcherHeaders",
        ArrayOf(std::span(teamdata::PitcherHeaders).first(teamdata::PitcherColumns.size() + 1)));
    texts.set("batterLabels", ArrayOf(teamdata::BatterLabels));
    texts.set("pitcherLabels", ArrayOf(teamdata::PitcherLabels));
    texts.set("teamInitials", ArrayOf(TRomTeamData::TeamInitials));
    return texts;
}

// Whole images are read into memory: a file larger than any image of this game is refused before
// the browser reads it.
bool AdmitsFileSize(double size) {
    return size >= 0 && size <= static_cast<double>(teamdata::MaxImageFileSize);
}

// What a file picked to compare with is, "patch" or "image", as the window tells them apart.
std::string ComparedKind(const std::string& fileName, const val& bytes) {
    const std::vector<std::uint8_t> read = BytesOf(bytes);
    return plans::KindOfComparedFile(fileName, read) == plans::CompareKind::Patch ? "patch"
                                                                                  : "image";
}

// The columns of the change list, as the window's list and the CSV form have them.
val ChangeHeaders() {
    return ArrayOf(reports::ChangeCsvHeaders);
}

} // namespace

EMSCRIPTEN_BINDINGS(tolvanek) {
    emscripten::class_<PageImage>("PageImage")
        .constructor<const val&>()
        .function("check", &PageImage::Check)
        .function("identity", &PageImage::Identity)
        .function("team", &PageImage::Team)
        .function("compare", &PageImage::Compare)
        .function("apply", &PageImage::Apply)
        .function("export", &PageImage::Export)
        .function("makePatch", &PageImage::MakePatch);
    emscripten::function("gridTexts", &GridTexts);
    emscripten::function("admitsFileSize", &AdmitsFileSize);
    emscripten::function("comparedKind", &ComparedKind);
    emscripten::function("changeHeaders", &ChangeHeaders);
}
