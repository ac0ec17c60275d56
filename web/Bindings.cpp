// SPDX-License-Identifier: MIT
// The core as the browser page sees it: bytes in, data out, nothing worded. The page's
// JavaScript hands over the bytes the browser read, draws what comes back and words it from the
// translation catalog; every decision is made here, by the same code the window and the command
// line run.
#include "Values.h"

#include "ChangeReport.h"
#include "Checksums.h"
#include "Compare.h"
#include "Exports.h"
#include "GridCaptions.h"
#include "ImageCheck.h"
#include "InesHeader.h"
#include "MakePatch.h"
#include "Open.h"
#include "ShiftJisCodec.h"
#include "TRomTeamData.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace {

using emscripten::val;
using namespace web;

class PageImage {
public:
    explicit PageImage(const val& bytes)
        : opened_(plans::PlanOpen(BytesOf(bytes))) {}

    [[nodiscard]] val Check() const {
        val check = CheckValue(opened_.check);
        check.set("verdict", OpenVerdictName(opened_.Verdict()));
        return check;
    }

    // A file made of this image's teams, as the command line's export, overview and show write
    // it: `kind` "league", "teamCsv", "teamPage", "overview" or "show"; `encoding` "shiftJis" or
    // "utf8" for a CSV file; the pages worded in `language` as `tolvanek-cli --lang` words them.
    [[nodiscard]] val Export(const std::string& kind, int team, const std::string& encoding,
                             const std::string& language) const {
        plans::ExportChoices how;
        how.kind = kind == "teamCsv"    ? plans::ExportKind::TeamCsv
                   : kind == "teamPage" ? plans::ExportKind::TeamPage
                   : kind == "overview" ? plans::ExportKind::Overview
                   : kind == "show"     ? plans::ExportKind::Show
                                        : plans::ExportKind::LeagueCsv;
        how.team = team;
        how.encoding = encoding == "utf8" ? plans::CsvEncoding::Utf8 : plans::CsvEncoding::ShiftJis;
        const reports::Words words = PageWords(language);
        how.pageLabels = reports::TeamReportLabelsIn(words);
        how.overviewLabels = reports::OverviewLabelsIn(words);
        const plans::ExportPlan plan = plans::PlanExport(opened_.bytes, how);
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
        const plans::PatchMakingPlan plan = plans::PlanMakePatch(opened_.bytes, target, fileName);
        val value = val::object();
        value.set("decision", plan.decision == plans::PatchMakingDecision::Made ? "made"
                              : plan.decision == plans::PatchMakingDecision::TooLargeForIps
                                  ? "tooLargeForIps"
                                  : "unknownFormat");
        if (plan.decision == plans::PatchMakingDecision::Made)
            value.set("bytes", BytesValue(plan.bytes));
        return value;
    }

    // This image against another image, a patch, or a league file or team CSV (`kind` "image",
    // "patch" or "csv"; a team CSV is read into `team`, its numbers rounded when `round`);
    // `agreed` when the user has said yes to a result that does not look like the game's. The
    // comparison is kept for its files (ChangeFile).
    [[nodiscard]] val Compare(const val& other, const std::string& kind, bool agreed, int team,
                              bool round) {
        const std::vector<std::uint8_t> bytes = BytesOf(other);
        plans::CompareChoices how;
        // Only read, never written: an image that does not look like this game's is compared.
        how.agreed = agreed || kind == "image";
        how.round = round;
        if (kind == "csv") {
            how.team = team;
            how.decodeText = reports::DecodeShiftJis;
        }
        return Weighed(plans::PlanComparison(opened_.bytes, bytes,
                                             kind == "patch" ? plans::CompareKind::Patch
                                             : kind == "csv" ? plans::CompareKind::Csv
                                                             : plans::CompareKind::Image,
                                             how));
    }

    // The rows of the last comparison's change list as the window's list shows them, worded in
    // `language`, names in their display form.
    [[nodiscard]] val ChangeRows(const std::string& language) const {
        val rows = val::array();
        if (!compared_ || !compared_->Shown())
            return rows;
        reports::ChangeLabels labels = reports::ChangeLabelsIn(PageWords(language));
        labels.namesForDisplay = true;
        for (const teamdata::LeagueChange& change : compared_->changes) {
            const reports::ChangeFields fields = reports::FieldsOf(change, labels);
            rows.call<void>("push",
                            ArrayOf(std::array{fields.team, fields.kind, fields.row, fields.name,
                                               fields.item, fields.before, fields.after}));
        }
        return rows;
    }

    // A file of the last comparison, as `tolvanek-cli diff --format` writes it: "text", "csv"
    // (Shift_JIS, the same in every language) or "html", worded in `language`.
    [[nodiscard]] val ChangeFile(const std::string& format, const std::string& language) const {
        if (!compared_ || !compared_->Shown())
            return val::null();
        const reports::ChangeLabels labels = reports::ChangeLabelsIn(PageWords(language));
        if (format == "csv")
            return StringBytes(
                reports::EncodeShiftJis(reports::BuildChangeCsv(compared_->changes)));
        if (format == "html")
            return StringBytes(reports::BuildChangeHtml(
                compared_->changes, plans::LeagueTextsOf(compared_->after), labels));
        return StringBytes(reports::BuildChangeText(compared_->changes, labels));
    }

    // A received patch put onto this image: its decision, the changes it makes and, when it is
    // to be written, the patched image.
    [[nodiscard]] val Apply(const val& patch, bool agreed) {
        const std::vector<std::uint8_t> bytes = BytesOf(patch);
        plans::CompareChoices how;
        how.agreed = agreed;
        val value =
            Weighed(plans::PlanComparison(opened_.bytes, bytes, plans::CompareKind::Patch, how));
        const plans::ApplyPlan& plan = *compared_->apply;
        value.set("verdict", ApplyVerdictName(plan.verdict));
        if (plan.verdict == plans::ApplyVerdict::Write)
            value.set("result", BytesValue(plan.result));
        return value;
    }

    // Which cartridge this is: its header as declared, and the checksums of the whole file and of
    // the file without its header, the form cartridge databases list.
    [[nodiscard]] val Identity() const {
        val identity = val::object();
        const std::span<const std::uint8_t> bytes = opened_.bytes;
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

    // The errors of the league file or team CSV compared last, worded in `language`.
    [[nodiscard]] val CsvErrors(const std::string& language) const {
        if (!compared_ || !compared_->read)
            return val::array();
        return IssuesValue(compared_->read->errors, language);
    }

private:
    val Weighed(plans::ComparisonPlan plan) {
        compared_ = std::move(plan);
        return ComparisonValue(*compared_);
    }

    plans::OpenPlan opened_;
    std::optional<plans::ComparisonPlan> compared_;
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

// The grids' headers and the batting side and pitching style labels in `language`, as the
// window shows them: the data's own in Japanese.
val GridWords(const std::string& language) {
    const reports::Words words = PageWords(language);
    const auto headers = [&words](teamdata::Grid grid, auto dataHeaders) {
        return ArrayOf(reports::ShownHeaders(
            words, grid, std::vector<std::string>(dataHeaders.begin(), dataHeaders.end())));
    };
    val shown = val::object();
    shown.set("batterHeaders",
              headers(teamdata::Grid::Batters, std::span(teamdata::BatterHeaders)));
    shown.set(
        "pitcherHeaders",
        headers(teamdata::Grid::Pitchers,
                std::span(teamdata::PitcherHeaders).first(teamdata::PitcherColumns.size() + 1)));
    val labels = val::object();
    for (const auto& [label, word] : reports::InterfaceLabelWords(words))
        labels.set(label, word);
    shown.set("labelWords", labels);
    return shown;
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
        .function("makePatch", &PageImage::MakePatch)
        .function("changeFile", &PageImage::ChangeFile)
        .function("changeRows", &PageImage::ChangeRows)
        .function("csvErrors", &PageImage::CsvErrors);
    emscripten::function("gridTexts", &GridTexts);
    emscripten::function("admitsFileSize", &AdmitsFileSize);
    emscripten::function("comparedKind", &ComparedKind);
    emscripten::function("gridWords", &GridWords);
}
