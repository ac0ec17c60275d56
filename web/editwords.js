// SPDX-License-Identifier: MIT
// The editing's words: the controls' texts, and the window's wording of what the core refuses (a
// paste, a save). The core names each case (EditBindings.cpp) and words a cell's refusal and a
// file's problems itself; nothing is decided here.
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

// A problem of a paste, placed by its grid row and column.
function describePasteProblem(problem, headers) {
  const t = function (source) { return qsTranslate("TMainForm", source); };
  let text;
  switch (problem.kind) {
    case "unclosedQuote":
      return qsTranslate("League", "a quoted field opens here and is never closed");
    case "doesNotFit":
      text = problem.moreRows
        ? fill(t("the pasted block has more than %1 rows; from this cell there is room for %2 × %3 cells (rows × columns)"),
               [problem.rows, problem.roomRows, problem.roomColumns])
        : fill(t("the pasted block is %1 × %2 cells (rows × columns); from this cell there is room for %3 × %4"),
               [problem.rows, problem.columns, problem.roomRows, problem.roomColumns]);
      break;
    case "cellRefused":
      text = problem.cell.refusal.words;
      break;
    case "fieldingPositions":
      text = problem.otherRow > 0
        ? fill(t("the batter in row %1 holds this fielding position too; the batting order needs the positions 2 to 9 once each"), [problem.otherRow])
        : qsTranslate("League", "the batting order needs the positions 2 to 9 once each");
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
