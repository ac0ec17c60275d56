// SPDX-License-Identifier: MIT
// The core as the browser page sees it: bytes in, data out, nothing worded. The page's
// JavaScript hands over the bytes the browser read, draws what comes back and words it from the
// translation catalog; every decision is made here, by the same code the window and the command
// line run.
#include "Checksums.h"
#include "GridCaptions.h"
#include "ImageCheck.h"
#include "InesHeader.h"
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
        : bytes_(BytesOf(bytes))
        , check_(teamdata::CheckImage(bytes_)) {}

    [[nodiscard]] val Check() const {
        val check = val::object();
        check.set("verdict", VerdictName(check_.verdict));
        check.set("doubt", DoubtName(check_.doubt));
        check.set("team", InitialsOf(check_.team));
        // Sizes as text: a 64-bit number has no exact JavaScript number in general.
        check.set("declaredSize", std::to_string(check_.declaredSize));
        check.set("actualSize", std::to_string(check_.actualSize));
        check.set("minimumSize", std::to_string(teamdata::ImageMinimumSize));
        return check;
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
        if (check_.verdict == teamdata::ImageVerdict::Refused || !teamdata::IsValidTeam(team))
            return val::null();
        const teamdata::TeamTexts texts = teamdata::TextsOf(teamdata::TeamRecordsAt(bytes_, team));
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
    static std::string InitialsOf(int team) {
        if (!teamdata::IsValidTeam(team))
            return {};
        return std::string(TRomTeamData::TeamInitials[static_cast<std::size_t>(team)]);
    }

    std::vector<std::uint8_t> bytes_;
    teamdata::ImageCheck check_;
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

} // namespace

EMSCRIPTEN_BINDINGS(tolvanek) {
    emscripten::class_<PageImage>("PageImage")
        .constructor<const val&>()
        .function("check", &PageImage::Check)
        .function("identity", &PageImage::Identity)
        .function("team", &PageImage::Team);
    emscripten::function("gridTexts", &GridTexts);
    emscripten::function("admitsFileSize", &AdmitsFileSize);
}
