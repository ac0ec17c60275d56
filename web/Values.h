// SPDX-License-Identifier: MIT
#pragma once

#include "Compare.h"
#include "Exports.h"
#include "ImageCheck.h"
#include "InesHeader.h"
#include "Open.h"
#include "Palette.h"
#include "Words.h"

#include <emscripten/val.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

// What the core decides, as the values the page's JavaScript reads: each case by a name, numbers
// that may not fit a JavaScript number as text, bytes as a Uint8Array of the page's own.
namespace web {

[[nodiscard]] std::vector<std::uint8_t> BytesOf(const emscripten::val& array);
[[nodiscard]] emscripten::val BytesValue(std::span<const std::uint8_t> bytes);
[[nodiscard]] emscripten::val StringBytes(std::string_view text);

template <typename Texts> emscripten::val ArrayOf(const Texts& texts) {
    emscripten::val array = emscripten::val::array();
    for (const auto& text : texts)
        array.call<void>("push", std::string(text));
    return array;
}

[[nodiscard]] std::string ChecksumText(std::uint32_t checksum);
[[nodiscard]] std::string CssColor(teamdata::Rgb rgb);
[[nodiscard]] std::string InitialsOf(int team);

[[nodiscard]] emscripten::val CheckValue(const teamdata::ImageCheck& check);
[[nodiscard]] const char* OpenVerdictName(plans::OpenVerdict verdict);
[[nodiscard]] const char* ExportDecisionName(plans::ExportDecision decision);
[[nodiscard]] const char* ApplyVerdictName(plans::ApplyVerdict verdict);
[[nodiscard]] const char* HeaderKindName(teamdata::InesKind kind);
[[nodiscard]] const char* HeaderFormName(teamdata::InesKind kind);
[[nodiscard]] emscripten::val SizeOf(std::uint64_t bytes);
[[nodiscard]] emscripten::val ComparisonValue(const plans::ComparisonPlan& plan);
// A read file's problems or notes, each worded in `language` as the window words it (`words`)
// and with its place before it (`placed`): "line 3, field 2: ..." or "/teams/0/name: ...".
[[nodiscard]] emscripten::val IssuesValue(const std::vector<reports::CsvIssue>& issues,
                                          const std::string& language);

// The words of the written files in `language` ("ja" or "en"), looked up in the page's catalog,
// which is made of the same translation files as the window's.
[[nodiscard]] reports::Words PageWords(const std::string& language);

} // namespace web
