// SPDX-License-Identifier: MIT
// The page's words: the translation catalog made from the window's .ts files at build time, and
// the window's wording of what the core decides (an image's doubts, a patch's refusal). Nothing
// is decided here; the core names the case, these words say it.
"use strict";

// Marks a text for the translation sources; the page words it when it is shown.
function QT_TRANSLATE_NOOP(context, source) {
  return source;
}

const catalog = window.TOLVANEK_CATALOG;
let language = "ja";

// As Qt finds a text: with its disambiguation, when it has one, first.
function qsTranslate(context, source, disambiguation) {
  const texts = catalog[language] || {};
  const key = context + "\u0004" + source;
  const marked = disambiguation ? texts[key + "\u0004" + disambiguation] : undefined;
  const translated = marked !== undefined ? marked : texts[key];
  return translated === undefined ? source : translated;
}

// A translated text that depends on `count`, its %n filled in: the language's singular or plural
// form as the translation files give them.
function qsTranslateN(context, source, count) {
  const forms = qsTranslate(context, source).split("\u0005");
  const form = forms.length > 1 && count !== 1 ? forms[1] : forms[0];
  return form.replace(/%n/g, String(count));
}

// The %1, %2 ... of a translated text filled in.
function fill(text, values) {
  return text.replace(/%(\d)/g, function (whole, number) {
    const value = values[Number(number) - 1];
    return value === undefined ? whole : String(value);
  });
}

// A button text with its "&" accelerator: the text without the marker, and the key.
function buttonText(text) {
  const key = /&(\w)/.exec(text);
  return { label: text.replace(/&(\w)/, "$1").replace("&&", "&"), key: key ? key[1].toLowerCase() : "" };
}

function byId(id) {
  return document.getElementById(id);
}

const staticTexts = [
  ["open-label", "Web", QT_TRANSLATE_NOOP("Web", "Open image...")],
  ["team-label", "Web", QT_TRANSLATE_NOOP("Web", "Team")],
  ["language-label", "Web", QT_TRANSLATE_NOOP("Web", "Language")],
  ["drop-hint", "Web", QT_TRANSLATE_NOOP("Web", "Choose an image with the button above, or drop it on this page. The image stays on this computer: nothing is sent anywhere.")],
  ["identity-title", "Web", QT_TRANSLATE_NOOP("Web", "Image information")],
  ["drop-cover-text", "Web", QT_TRANSLATE_NOOP("Web", "Drop the image to open it")],
  ["exports-title", "Web", QT_TRANSLATE_NOOP("Web", "Export")],
  ["save-league", "Web", QT_TRANSLATE_NOOP("Web", "Save the league file")],
  ["save-team-csv", "Web", QT_TRANSLATE_NOOP("Web", "Save the team as CSV")],
  ["save-team-page", "Web", QT_TRANSLATE_NOOP("Web", "Save the team as HTML")],
  ["open-overview", "Web", QT_TRANSLATE_NOOP("Web", "Show the overview page")],
  ["save-show", "Web", QT_TRANSLATE_NOOP("Web", "Save the league as text")],
  ["encoding-label", "Web", QT_TRANSLATE_NOOP("Web", "CSV encoding")],
  ["make-patch-label", "Web", QT_TRANSLATE_NOOP("Web", "Make a patch to a modified image...")],
  ["patch-format-label", "Web", QT_TRANSLATE_NOOP("Web", "Patch format")],
  ["exchange-title", "Web", QT_TRANSLATE_NOOP("Web", "Compare and patch")],
  ["compare-label", "Web", QT_TRANSLATE_NOOP("Web", "Compare with an image or a patch...")],
  ["apply-label", "Web", QT_TRANSLATE_NOOP("Web", "Apply a patch...")],
  ["save-patched", "Web", QT_TRANSLATE_NOOP("Web", "Save the patched image")],
  ["save-change-text", "Web", QT_TRANSLATE_NOOP("Web", "Save the change list")],
  ["save-change-csv", "Web", QT_TRANSLATE_NOOP("Web", "Save the change list as CSV")],
  ["save-change-page", "Web", QT_TRANSLATE_NOOP("Web", "Save the comparison page")],
  ["compare-csv-label", "Web", QT_TRANSLATE_NOOP("Web", "Compare with a league file or team CSV...")],
  ["open-change-page", "Web", QT_TRANSLATE_NOOP("Web", "Show the comparison page")],
];

// The wording of a patch's refusal, as the window words it.
const refusalTexts = {
  notAPatch: QT_TRANSLATE_NOOP("League", "the file is no BPS or IPS patch"),
  malformed: QT_TRANSLATE_NOOP("League", "the patch is damaged or cut short"),
  sourceSizeMismatch: QT_TRANSLATE_NOOP("League", "the image is not the one the patch was made for (its size differs)"),
  sourceChecksumMismatch: QT_TRANSLATE_NOOP("League", "the image is not the one the patch was made for (its checksum differs)"),
  patchChecksumMismatch: QT_TRANSLATE_NOOP("League", "the patch is damaged (its own checksum does not match)"),
  resultChecksumMismatch: QT_TRANSLATE_NOOP("League", "the patched image does not match the patch's checksum"),
  tooLarge: QT_TRANSLATE_NOOP("League", "the patch would make an image larger than %1 MiB, larger than any image the program reads"),
};
const noteTexts = {
  headerOnlyDifference: QT_TRANSLATE_NOOP("PatchFiles", "applied to an image that differs only in its header"),
  ipsProvesNoSource: QT_TRANSLATE_NOOP("PatchFiles", "an IPS patch carries no checksums, so it cannot prove that this is the image it was made for"),
};

function describePatchRefusal(patch) {
  const t = function (source) { return qsTranslate("PatchFiles", source); };
  if (patch.decision === "alreadyApplied")
    return t("this patch has already been applied to this image");
  if (patch.refusal === "sourceSizeMismatch" || patch.refusal === "sourceChecksumMismatch") {
    let text = fill(t("the patch was made for another image: it expects CRC-32 %1; this file has %2, and %3 without its header"),
                    [patch.expectedChecksum, patch.imageChecksum, patch.imageDataChecksum]);
    if (patch.headerOnlyRuledOut)
      text += t("; it is not the same cartridge behind another header either");
    return text;
  }
  return fill(qsTranslate("League", refusalTexts[patch.refusal] || ""), [patch.largestMiB]);
}

// The wording of the image check's doubts, as the window words them.
const doubtTexts = {
  noInesMagic: QT_TRANSLATE_NOOP("ImageFile", "the file is not an iNES image (it does not begin with NES and 0x1A)"),
  tooShort: QT_TRANSLATE_NOOP("ImageFile", "the file is too short to hold the team data (%1 bytes, at least %2 needed)"),
  lengthMismatch: QT_TRANSLATE_NOOP("ImageFile", "the file is %1 bytes long, but its header declares %2 bytes"),
  unreadableRecord: QT_TRANSLATE_NOOP("ImageFile", "team %1 holds a player record that this game cannot have written"),
  unreadableName: QT_TRANSLATE_NOOP("ImageFile", "a pitcher's name in team %1 holds tiles that are no characters"),
  fieldingPositions: QT_TRANSLATE_NOOP("ImageFile", "the batting order of team %1 does not hold the positions 2 to 9 once each"),
  tooLarge: QT_TRANSLATE_NOOP("ImageFile", "the file is too large to be an image of this game"),
  unreadable: QT_TRANSLATE_NOOP("ImageFile", "the file cannot be read"),
};

function describeDoubt(check) {
  const text = qsTranslate("ImageFile", doubtTexts[check.doubt] || "");
  switch (check.doubt) {
    case "tooShort":
      return fill(text, [check.actualSize, check.minimumSize]);
    case "lengthMismatch":
      return fill(text, [check.actualSize, check.declaredSize]);
    default:
      return fill(text, [check.team]);
  }
}

function sentence(clause) {
  return clause ? clause.charAt(0).toUpperCase() + clause.slice(1) : clause;
}

// A file's errors, worded by the core with their places, as many as a message can hold.
function describeCsvErrors(errors) {
  const shown = errors.slice(0, 10).map(function (issue) { return issue.placed; });
  if (errors.length > shown.length)
    shown.push(fill(qsTranslate("Web", "... and %1 more"), [errors.length - shown.length]));
  return shown.join("\n");
}
