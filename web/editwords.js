// SPDX-License-Identifier: MIT
// The editing's words: the controls' texts, and the window's wording of what the core refuses (a
// cell, a paste, a file, a save). The core names each case (EditBindings.cpp); nothing is
// decided here.
"use strict";

staticTexts.push(
  ["editing-title", "Web", QT_TRANSLATE_NOOP("Web", "Edit")],
  ["save-image", "Web", QT_TRANSLATE_NOOP("Web", "Save the image")],
  ["save-image-as", "Web", QT_TRANSLATE_NOOP("Web", "Save the image as...")],
  ["undo-edit", "Web", QT_TRANSLATE_NOOP("Web", "Undo")],
  ["redo-edit", "Web", QT_TRANSLATE_NOOP("Web", "Redo")],
  ["helmet-color", "Web", QT_TRANSLATE_NOOP("Web", "Helmet colour...")],
  ["uniform-color", "Web", QT_TRANSLATE_NOOP("Web", "Uniform colour...")],
  ["import-team-label", "Web", QT_TRANSLATE_NOOP("Web", "Import a team CSV...")],
  ["import-league-label", "Web", QT_TRANSLATE_NOOP("Web", "Import a league file...")],
  ["edit-hint", "Web", QT_TRANSLATE_NOOP("Web", "Click a cell, or press Enter, F2 or Space on it, to change it. Drag a row by its label, or press Alt+Up or Alt+Down, to move a player. Ctrl+Z undoes, Ctrl+Y redoes, Ctrl+C and Ctrl+V copy and paste rows with spreadsheets, Ctrl+S saves.")],
  ["name-old-label", "Web", QT_TRANSLATE_NOOP("Web", "Now:")],
  ["name-new-label", "Web", QT_TRANSLATE_NOOP("Web", "New name")],
  ["name-ok", "Web", QT_TRANSLATE_NOOP("Web", "OK")],
  ["name-cancel", "Web", QT_TRANSLATE_NOOP("Web", "Cancel")],
  ["value-typed-label", "Web", QT_TRANSLATE_NOOP("Web", "Value")],
  ["value-ok", "Web", QT_TRANSLATE_NOOP("Web", "OK")],
  ["value-cancel", "Web", QT_TRANSLATE_NOOP("Web", "Cancel")],
  ["color-cancel", "Web", QT_TRANSLATE_NOOP("Web", "Cancel")]
);

// A value as the fan reads it: .312 for an average, 2.50 for an earned run average.
function fanValue(value, pointScale) {
  if (pointScale <= 1) return String(value);
  const places = pointScale === 1000 ? 3 : 2;
  const whole = Math.trunc(value / pointScale);
  const fraction = String(value % pointScale).padStart(places, "0");
  return (whole === 0 && pointScale === 1000 ? "" : String(whole)) + "." + fraction;
}

function allowedRange(refusal) {
  const t = function (source) { return qsTranslate("League", source); };
  const scale = refusal.pointScale;
  if (refusal.step > 1)
    return fill(t("%1 to %2 in steps of %3"), [fanValue(refusal.minimum, scale),
      fanValue(refusal.maximum, scale), fanValue(refusal.step, scale)]);
  return fill(t("%1 to %2"), [fanValue(refusal.minimum, scale), fanValue(refusal.maximum, scale)]);
}

// A cell's refusal, as the import words the same refusal.
function describeRefusal(refusal) {
  const t = function (source) { return qsTranslate("League", source); };
  switch (refusal.kind) {
    case "notANumber":
      return fill(t("not a number; allowed are %1"), [allowedRange(refusal)]);
    case "valueNotAllowed":
      return fill(t("the editor does not offer this value; allowed are %1"), [allowedRange(refusal)]);
    case "nameUnknownCharacter":
      return fill(t("the game cannot show the character \"%1\" (character %2 of the name)"),
                  [refusal.character, refusal.position]);
    case "nameTooLong":
      return fill(t("the name needs %1 places; the game has 5 (a voiced kana takes two)"), [refusal.tiles]);
    default:
      return fill(t("allowed are %1"), [refusal.allowed.join(" ")]);
  }
}

const issueTexts = {
  unclosedQuote: QT_TRANSLATE_NOOP("League", "a quoted field opens here and is never closed"),
  teamNotGiven: QT_TRANSLATE_NOOP("League", "this is a team CSV without a team line: name the team it is for"),
  misdecodedText: QT_TRANSLATE_NOOP("League", "the file's character encoding is probably wrong: its Japanese reads as Latin letters and symbols (a spreadsheet opened it in another encoding and saved it so); open it again as Shift_JIS and save it as CSV in Shift_JIS or UTF-8"),
  tooManyLines: QT_TRANSLATE_NOOP("League", "the file goes on beyond the %1 lines of a league file; it was read no further"),
  utf16Text: QT_TRANSLATE_NOOP("League", "the file is UTF-16 text; save it as CSV in Shift_JIS or UTF-8 and import it again"),
  utf32Text: QT_TRANSLATE_NOOP("League", "the file is UTF-32 text; save it as CSV in Shift_JIS or UTF-8 and import it again"),
  notText: QT_TRANSLATE_NOOP("League", "this line holds a zero byte (NUL), which no text holds; a league file or team CSV is text in Shift_JIS or UTF-8"),
  wrongLineCount: QT_TRANSLATE_NOOP("League", "the team has %1 lines here; it needs %2 (a header and 13 batters, a header and 5 pitchers)"),
  wrongFieldCount: QT_TRANSLATE_NOOP("League", "the line has %1 fields; it needs %2"),
  unknownHeader: QT_TRANSLATE_NOOP("League", "the header here must read \"%1\""),
  unknownWord: QT_TRANSLATE_NOOP("League", "the team line must read \"%1\" here"),
  unknownTeam: QT_TRANSLATE_NOOP("League", "no team has these initials; the teams are %1"),
  duplicateTeam: QT_TRANSLATE_NOOP("League", "team %1 is given twice; it was given before at line %2"),
  malformedColor: QT_TRANSLATE_NOOP("League", "a colour is written as 0x and two hexadecimal digits, such as 0x16"),
  colorNotOffered: QT_TRANSLATE_NOOP("League", "the colour chooser does not offer this palette index; it offers 0x00 to 0x0D, 0x10 to 0x1D, 0x20 to 0x2D and 0x30 to 0x3D"),
  fieldingPositions: QT_TRANSLATE_NOOP("League", "the batting order needs the positions 2 to 9 once each"),
  fieldingPositionsLine: QT_TRANSLATE_NOOP("League", "the batter at line %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each"),
  valueRounded: QT_TRANSLATE_NOOP("League", "\"%1\" was read as %2, the nearest value the game holds"),
  nameSpellingChanged: QT_TRANSLATE_NOOP("League", "small kana are written large, as the game writes them: \"%1\""),
  nameKeptFromNumber: QT_TRANSLATE_NOOP("League", "a spreadsheet probably turned the name \"%1\" into the number \"%2\"; the name was kept"),
  fieldingPositionsAt: QT_TRANSLATE_NOOP("League", "the batter at %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each"),
  duplicateTeamAt: QT_TRANSLATE_NOOP("League", "team %1 is given twice; it was given before at %2"),
  colorNotOfferedAt: QT_TRANSLATE_NOOP("League", "the colour chooser does not offer this palette index; it offers 0 to 13, 16 to 29, 32 to 45 and 48 to 61"),
  jsonSyntax: QT_TRANSLATE_NOOP("League", "the file is no valid JSON from here on"),
  jsonTooDeep: QT_TRANSLATE_NOOP("League", "values are nested deeper here than in any form of the program (%1 levels at most)"),
  jsonDuplicateMember: QT_TRANSLATE_NOOP("League", "the member \"%1\" is given twice in one object"),
  jsonUnknownMember: QT_TRANSLATE_NOOP("League", "the form has no member \"%1\" here; it has %2"),
  jsonMissingMember: QT_TRANSLATE_NOOP("League", "the member \"%1\" is missing here"),
  jsonWrongType: QT_TRANSLATE_NOOP("League", "a value of the type %1 is needed here, not %2"),
  jsonUnknownFormat: QT_TRANSLATE_NOOP("League", "the import reads the forms %1, not \"%2\""),
  jsonNewerVersion: QT_TRANSLATE_NOOP("League", "the file is of version %1 of its form, newer than this program reads (version %2); use a newer Tolvanek"),
  jsonNoSuchVersion: QT_TRANSLATE_NOOP("League", "there is no version %1 of the form; this program reads version %2"),
  jsonTeamCount: QT_TRANSLATE_NOOP("League", "the league form holds 1 to 16 teams, not %1"),
  jsonFormsDisagree: QT_TRANSLATE_NOOP("League", "\"%1\" disagrees with %2, which makes it \"%3\"; give both forms the same value or leave one of them out"),
};

// A problem or note of an imported file, with its place.
function describeIssue(issue) {
  const t = function (key) { return qsTranslate("League", issueTexts[key] || ""); };
  let text;
  switch (issue.kind) {
    case "cellRefused":
      text = issue.cell ? describeRefusal(issue.cell.refusal) : "";
      break;
    case "fieldingPositions":
      text = issue.otherPointer ? fill(t("fieldingPositionsAt"), [issue.otherPointer])
           : issue.otherLine > 0 ? fill(t("fieldingPositionsLine"), [issue.otherLine]) : t("fieldingPositions");
      break;
    case "unrecognizedFile":
      text = fill(qsTranslate("League", "this is neither a league file (no line starts with \"%1\") nor a team CSV (the first line is not the batter header)"), ["チーム"]);
      break;
    case "tooManyLines":
      text = fill(t(issue.kind), [issue.count]);
      break;
    case "wrongLineCount":
    case "wrongFieldCount":
      text = fill(t(issue.kind), [issue.count, issue.expectedCount]);
      break;
    case "unknownHeader":
    case "unknownWord":
      text = fill(t(issue.kind), [issue.expected]);
      break;
    case "unknownTeam":
      text = fill(t(issue.kind), [issue.allowed.join(" ")]);
      break;
    case "duplicateTeam":
      text = issue.pointer !== null
        ? fill(t("duplicateTeamAt"), [gridTexts.teamInitials[issue.team], issue.otherPointer])
        : fill(t(issue.kind), [gridTexts.teamInitials[issue.team], issue.otherLine]);
      break;
    case "colorNotOffered":
      text = t(issue.pointer !== null ? "colorNotOfferedAt" : issue.kind);
      break;
    case "jsonTooDeep":
    case "jsonTeamCount":
      text = fill(t(issue.kind), [issue.count]);
      break;
    case "jsonDuplicateMember":
      text = fill(t(issue.kind), [issue.text]);
      break;
    case "jsonUnknownMember":
      text = fill(t(issue.kind), [issue.text, issue.allowed.join(" ")]);
      break;
    case "jsonMissingMember":
      text = fill(t(issue.kind), [issue.expected]);
      break;
    case "jsonWrongType":
      text = fill(t(issue.kind), [issue.expected, issue.text]);
      break;
    case "jsonUnknownFormat":
      text = fill(t(issue.kind), [issue.allowed.join(" "), issue.text]);
      break;
    case "jsonVersion":
      text = fill(t(issue.count > issue.expectedCount ? "jsonNewerVersion" : "jsonNoSuchVersion"),
                  [issue.count, issue.expectedCount]);
      break;
    case "jsonWrongLength":
      text = fill(qsTranslateN("League", "%n element(s) here; the form has %1", issue.count), [issue.expectedCount]);
      break;
    case "jsonFormsDisagree":
      text = fill(t(issue.kind), [issue.text, issue.otherPointer, issue.expected]);
      break;
    case "valueRounded":
      text = fill(t(issue.kind), [issue.text, issue.expected]);
      break;
    case "nameSpellingChanged":
      text = fill(t(issue.kind), [issue.expected]);
      break;
    case "nameKeptFromNumber":
      text = fill(t(issue.kind), [issue.expected, issue.text]);
      break;
    default:
      text = t(issue.kind);
  }
  if (issue.pointer !== null)
    return issue.pointer + ": " + text;
  const place = issue.column > 0 ? fill(qsTranslate("Web", "line %1, field %2"), [issue.line, issue.column])
                                 : fill(qsTranslate("Web", "line %1"), [issue.line]);
  return place + ": " + text;
}

// A problem of a paste, placed by its grid row and column.
function describePasteProblem(problem, headers) {
  const t = function (source) { return qsTranslate("TMainForm", source); };
  let text;
  switch (problem.kind) {
    case "unclosedQuote":
      return qsTranslate("League", issueTexts.unclosedQuote);
    case "doesNotFit":
      text = problem.moreRows
        ? fill(t("the pasted block has more than %1 rows; from this cell there is room for %2 × %3 cells (rows × columns)"),
               [problem.rows, problem.roomRows, problem.roomColumns])
        : fill(t("the pasted block is %1 × %2 cells (rows × columns); from this cell there is room for %3 × %4"),
               [problem.rows, problem.columns, problem.roomRows, problem.roomColumns]);
      break;
    case "cellRefused":
      text = describeRefusal(problem.cell.refusal);
      break;
    case "fieldingPositions":
      text = problem.otherRow > 0
        ? fill(t("the batter in row %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each"), [problem.otherRow])
        : qsTranslate("League", issueTexts.fieldingPositions);
      break;
    default:
      text = "";
  }
  const row = problem.cell ? problem.cell.row : problem.row;
  const column = problem.cell ? problem.cell.column : problem.column;
  return fill(qsTranslate("Web", "row %1, %2"), [row, headers[column] || column]) + ": " + text;
}

// Why a save is refused, as the window says it.
function describeSaveRefusal(plan) {
  const t = function (source) { return qsTranslate("TMainForm", source); };
  if (plan.refusal === "fieldingPositions") {
    const joined = function (numbers) { return numbers.join(t(", ")); };
    let detail = "";
    if (plan.missing.length > 0)
      detail += fill(t("Missing from the batting order: %1. "), [joined(plan.missing)]);
    plan.repeated.forEach(function (entry) {
      detail += fill(t("Position %1 is held by batters %2. "), [entry.position, joined(entry.rows)]);
    });
    if (plan.outsideRows.length > 0)
      detail += fill(t("Batters %1 hold a position the batting order cannot have (it needs 2 to 9). "),
                     [joined(plan.outsideRows)]);
    detail = detail.trim();
    const message = t("The fielding positions are wrong.");
    return detail ? message + "\n" + sentence(detail) : message;
  }
  if (plan.cell && plan.cell.column === 1)
    return fill(plan.cell.grid === "batters" ? t("The name \"%2\" in batter row %1 cannot be saved.")
                                             : t("The name \"%2\" in pitcher row %1 cannot be saved."),
                [plan.cell.row, plan.cell.text]);
  return t("The file cannot be created.");
}
