// SPDX-License-Identifier: MIT
// Editing the shown team in the page: the user's clicks, keys, drags, pastes and files go to the
// core's editing session (core.PageEditor), which decides, and the grids are drawn again from
// what it holds. Saving hands the bytes the core wrote to the browser.
"use strict";

let editor = null;
// Where a save in place writes: the opened image where the browser lets the page write it (a file
// dropped on the page, in Chromium); none for an image from the file input, which is saved as a
// download under its name.
let imageHandle = null;
let droppedHandle = null;

const gridNames = { "batter-grid": "batters", "pitcher-grid": "pitchers" };

function beginEditing(bytes, name) {
  if (editor) editor.delete();
  editor = new core.PageEditor(bytes);
  editor.setLanguage(language);
  imageHandle = null;
  // A file dropped on the page can be written back where the browser gives its handle; only the
  // very file dropped, never one opened after a drop that opened nothing.
  const dropped = droppedHandle;
  droppedHandle = null;
  if (dropped && dropped.name === name) {
    dropped.handle.then(function (found) {
      if (found && found.kind === "file" && found.name === name && editor && shown.name === name)
        imageHandle = found;
    }, function () {});
  }
  byId("editing").hidden = false;
}

// The shown team's texts, switching the session's team first when another is asked for.
function teamTexts(team) {
  if (editor.state().team !== team) editor.showTeam(team);
  return editor.team();
}

function drawEditState() {
  if (!editor) return;
  const state = editor.state();
  byId("unsaved-marker").textContent = state.unsaved ? qsTranslate("Web", "Unsaved changes") : "";
  byId("undo-edit").disabled = !state.canUndo;
  byId("redo-edit").disabled = !state.canRedo;
}

// After the grids are drawn: rows can be dragged by their labels, cells are edited.
function gridsDrawn() {
  Object.keys(gridNames).forEach(function (id) {
    const table = byId(id);
    table.setAttribute("aria-readonly", "false");
    Array.prototype.forEach.call(table.tBodies[0].rows, function (row) {
      row.cells[0].draggable = true;
    });
  });
  drawEditState();
}

// Draws the team again from the session, the current cell kept.
function redrawTeam() {
  showTeam(shown.team);
}

// Whatever would drop unsaved edits (another image opened) asks the window's question first.
function askBeforeDroppingEdits(go) {
  if (!editor || !editor.state().unsaved) {
    go();
    return;
  }
  ask(qsTranslate("TMainForm", "The team has unsaved changes. Discard them?"), function (yes) {
    if (yes) go();
  });
}

function switchTeam(team) {
  if (!editor.state().unsaved) {
    showTeam(team);
    return;
  }
  ask(qsTranslate("TMainForm", "The team has unsaved changes. Discard them?"), function (yes) {
    if (yes) {
      editor.showTeam(team);
      showTeam(team);
    } else {
      // The grids still hold the shown team; so must the team box, or a save would write these
      // rows into the records of the team just picked.
      byId("team-box").value = String(shown.team);
    }
  });
}

function showError(text) {
  showMessage(function () { return [qsTranslate("MessageDialogs", "Error"), text]; });
}

function afterEdit(outcome) {
  if (outcome.refusal) {
    showError(sentence(outcome.refusal.words));
    return;
  }
  clearMessage();
  if (outcome.changed) redrawTeam();
}

function gridOf(table) {
  return gridNames[table.id];
}

// The current cell of a grid, in the grid's rows and columns (both from 1).
function currentCell(table) {
  const at = activeCell(table);
  return at ? { grid: gridOf(table), row: at.row + 1, column: at.column + 1 } : null;
}

function headersOf(grid) {
  return grid === "batters" ? gridTexts.batterHeaders : gridTexts.pitcherHeaders;
}

// A click, Enter, F2 or Space on a cell: the window's edit of that cell.
function actOn(cell) {
  const kind = core.cellKind(cell.grid, cell.column);
  if (kind.kind === "side" || kind.kind === "style") {
    afterEdit(editor.stepCell(cell.grid, cell.row, cell.column));
    return;
  }
  const texts = editor.team();
  const row = texts[cell.grid][cell.row - 1];
  if (kind.kind === "name") askName(cell, row[0]);
  else askValue(cell, kind, row[cell.column - 1], row[0]);
}

// ---- The name box, with the kana keyboard ----

let nameCell = null;
let acceptedName = "";

function drawNamePlaces() {
  const left = Math.max(0, 5 - Array.from(acceptedName).length);
  byId("name-places").textContent = fill(qsTranslate("Web", "%1 places left"), [left]);
}

function typeName(text, cursorFromEnd) {
  const input = byId("name-input");
  const typed = core.typedName(text);
  if (typed.outcome !== "accepted") {
    input.value = acceptedName;
    byId("name-refusal").textContent = typed.outcome === "tooLong"
      ? qsTranslate("TNameForm", "More than 5 places (a voiced kana takes 2)")
      : fill(qsTranslate("TNameForm", "\"%1\" cannot be used"), [typed.character]);
    return;
  }
  byId("name-refusal").textContent = "";
  acceptedName = typed.text;
  if (input.value !== typed.text) {
    input.value = typed.text;
    const at = Math.max(0, typed.text.length - cursorFromEnd);
    input.setSelectionRange(at, at);
  }
  drawNamePlaces();
}

function drawNameKeys() {
  const table = byId("name-keys");
  table.textContent = "";
  core.nameKeys().forEach(function (keys) {
    const line = table.insertRow();
    keys.forEach(function (key) {
      const place = line.insertCell();
      if (key.number === 0) return;
      const button = document.createElement("button");
      button.type = "button";
      button.tabIndex = -1;
      button.textContent = key.action === "delete" ? qsTranslate("TNameForm", "Del")
                         : key.action === "space" ? qsTranslate("TNameForm", "SP") : key.caption;
      button.dataset.action = key.action;
      button.dataset.text = key.caption;
      place.appendChild(button);
    });
  });
}

function askName(cell, current) {
  nameCell = cell;
  acceptedName = "";
  byId("name-title").textContent = headersOf(cell.grid)[cell.column].trim();
  byId("name-old").textContent = current;
  byId("name-input").value = "";
  byId("name-refusal").textContent = "";
  drawNamePlaces();
  drawNameKeys();
  byId("name-dialog").showModal();
  byId("name-input").focus();
}

function finishName(agreed) {
  const dialog = byId("name-dialog");
  if (dialog.open) dialog.close();
  const cell = nameCell;
  nameCell = null;
  if (!agreed || !cell) return;
  afterEdit(editor.writeCell(cell.grid, cell.row, cell.column, acceptedName));
  focusGridCell(cell);
}

// ---- The value box: a slider and typed digits in the fan's units ----

let valueCell = null;

function askValue(cell, kind, text, name) {
  valueCell = { cell: cell, kind: kind };
  const slider = byId("value-slider");
  slider.min = kind.minimum;
  slider.max = kind.maximum;
  slider.step = kind.smallStep;
  const value = /^-?\d+$/.test(text) ? Number(text) : kind.minimum;
  slider.value = value;
  byId("value-title").textContent = headersOf(cell.grid)[cell.column].trim();
  byId("value-player").textContent = name;
  byId("value-typed").value = fanValue(Number(slider.value), kind.pointScale);
  byId("value-range").textContent = core.allowedRange(kind.minimum, kind.maximum, kind.smallStep,
                                                      kind.pointScale, language);
  slider.setAttribute("aria-valuetext", byId("value-typed").value);
  byId("value-dialog").showModal();
  byId("value-typed").select();
}

function finishValue(agreed) {
  const dialog = byId("value-dialog");
  if (dialog.open) dialog.close();
  const chosen = valueCell;
  valueCell = null;
  if (!agreed || !chosen) return;
  const cell = chosen.cell;
  afterEdit(editor.setValue(cell.grid, cell.row, cell.column, Number(byId("value-slider").value)));
  focusGridCell(cell);
}

// ---- Colours from the console palette ----

let colorHelmet = true;

function askColor(helmet) {
  colorHelmet = helmet;
  const texts = editor.team();
  const current = helmet ? texts.helmetIndex : texts.uniformIndex;
  byId("color-title").textContent = qsTranslate("EditCaptions", helmet ? "Helmet" : "Uniform");
  const cells = byId("color-cells");
  cells.textContent = "";
  core.paletteRows().forEach(function (row) {
    row.forEach(function (entry) {
      const button = document.createElement("button");
      button.type = "button";
      button.setAttribute("role", "option");
      button.style.backgroundColor = entry.color;
      button.dataset.index = String(entry.index);
      const hex = "0x" + entry.index.toString(16).toUpperCase().padStart(2, "0");
      button.setAttribute("aria-label", hex);
      button.title = hex;
      button.setAttribute("aria-selected", entry.index === current ? "true" : "false");
      cells.appendChild(button);
    });
  });
  byId("color-dialog").showModal();
  const selected = cells.querySelector("[aria-selected='true']") || cells.firstChild;
  selected.focus();
}

function pickColor(index) {
  byId("color-dialog").close();
  if (editor.setColor(colorHelmet, index)) redrawTeam();
}

// ---- Undo, rows, clipboard ----

function undoOrRedo(redo) {
  if (redo ? editor.redo() : editor.undo()) {
    clearMessage();
    redrawTeam();
  }
}

function focusGridCell(cell) {
  const id = cell.grid === "batters" ? "batter-grid" : "pitcher-grid";
  setActiveCell(byId(id), cell.row - 1, cell.column - 1, true);
}

function moveRow(grid, from, to, column) {
  if (!editor.moveRow(grid, from, to)) return;
  clearMessage();
  redrawTeam();
  focusGridCell({ grid: grid, row: to, column: column });
}

function copyRows(event) {
  const table = document.activeElement && document.activeElement.closest("#batter-grid, #pitcher-grid");
  if (!table || !editor) return;
  const cell = currentCell(table);
  event.clipboardData.setData("text/plain", editor.copy(cell.grid, [cell.row]));
  event.preventDefault();
}

function pasteText(text, cell, round) {
  const pasted = editor.paste(text, cell.grid, cell.row, cell.column, round);
  switch (pasted.decision) {
    case "tooLarge":
      showError(fill(qsTranslate("TMainForm", "The clipboard holds more than %1 KiB of text, more than any team's data; nothing was pasted."), [pasted.largestKiB]));
      return;
    case "teamCsv":
      askTeamCsv(pasted.teamCsv, function (again) { pasteText(text, cell, again); });
      return;
    case "refused":
      break;
    default:
      clearMessage();
      redrawTeam();
      if (pasted.notes.length > 0)
        showMessage(function () {
          return [qsTranslate("MessageDialogs", "Confirm"),
                  qsTranslate("TMainForm", "Pasted. These cells were read as listed.") + "\n" +
                  pasted.notes.map(function (note) {
                    return fill(qsTranslate("Web", "row %1, %2"), [note.row, headersOf(note.grid)[note.column]]) +
                           ": " + note.text + " → " + note.stored;
                  }).join("\n")];
        });
      return;
  }
  if (pasted.problems[0].kind === "nothingToPaste") {
    showError(qsTranslate("TMainForm", "The clipboard holds no cells to paste."));
    return;
  }
  const listed = function () {
    return qsTranslate("TMainForm", "Nothing was pasted because of these problems.") + "\n" +
           pasted.problems.map(function (problem) { return describePasteProblem(problem, headersOf(cell.grid)); }).join("\n");
  };
  showError(listed());
  if (pasted.roundable && !round)
    ask(listed() + "\n\n" + qsTranslate("Web", "Round the numbers to the nearest values the game holds?"),
        function (yes) { if (yes) pasteText(text, cell, true); });
}

function pasteRows(event) {
  const table = document.activeElement && document.activeElement.closest("#batter-grid, #pitcher-grid");
  if (!table || !editor) return;
  event.preventDefault();
  pasteText(event.clipboardData.getData("text/plain"), currentCell(table), false);
}
