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

// ---- Imports: the change list first ----

function issuesText(intro, read) {
  return intro + "\n" + read.errors.map(function (issue) { return issue.placed; }).join("\n");
}

// The window's question over a change list: the changes drawn as the comparison draws them.
function askAboutChanges(question, changes, answer) {
  const table = document.createElement("table");
  table.id = "question-changes";
  table.className = "grid";
  const labels = changes.map(function (row, index) { return String(index + 1); });
  drawGrid(table, [qsTranslate("Web", "Change")].concat(changeHeaders()), labels, changes);
  // The list scrolls by itself, so that the question and its buttons stay in view.
  const list = document.createElement("div");
  list.className = "change-list";
  list.appendChild(table);
  const dialog = byId("question");
  dialog.insertBefore(list, dialog.querySelector(".buttons"));
  ask(question, function (yes) {
    list.remove();
    answer(yes);
  });
}

// A team read from a file or a paste: refused with its errors, or asked about with its changes.
function askTeamCsv(plan, again) {
  if (plan.decision === "refused") {
    const text = issuesText(qsTranslate("TMainForm", "Nothing was imported because of these errors."), plan);
    showError(text);
    if (plan.roundable)
      ask(text + "\n\n" + qsTranslate("Web", "Round the numbers to the nearest values the game holds?"),
          function (yes) { if (yes) again(true); });
    return;
  }
  if (plan.decision === "notOneTeam") {
    showError(qsTranslate("Web", "A team CSV import reads a file of one team."));
    return;
  }
  const shownInitials = gridTexts.teamInitials[shown.team];
  if (plan.changes.length === 0) {
    showMessage(function () {
      return [qsTranslate("MessageDialogs", "Confirm"),
              fill(qsTranslate("TMainForm", "This file holds what team %1 shows; nothing was changed."), [shownInitials])];
    });
    return;
  }
  let question = "";
  if (plan.forAnotherTeam)
    question += fill(qsTranslate("TMainForm", "This file holds team %1."), [gridTexts.teamInitials[plan.team]]) + "\n";
  question += fill(qsTranslate("TMainForm", "It replaces team %1, which is shown, as listed below. Nothing is written to the image until you save."), [shownInitials]) +
              "\n" + qsTranslate("TMainForm", "Go on?");
  askAboutChanges(question, plan.changes, function (yes) {
    if (yes && editor.applyPending()) {
      clearMessage();
      redrawTeam();
    }
  });
}

function importTeamCsv(bytes, round) {
  editor.setLanguage(language);
  askTeamCsv(editor.importTeamCsv(bytes, round), function (again) { importTeamCsv(bytes, again); });
}

function importLeague(bytes, round) {
  editor.setLanguage(language);
  const plan = editor.importLeague(bytes, round, false);
  switch (plan.decision) {
    case "refused": {
      const text = issuesText(qsTranslate("TMainForm", "Nothing was changed because of these errors."), plan);
      showError(text);
      if (plan.roundable)
        ask(text + "\n\n" + qsTranslate("Web", "Round the numbers to the nearest values the game holds?"),
            function (yes) { if (yes) importLeague(bytes, true); });
      return;
    }
    case "teamMissing":
      showError(qsTranslate("Web", "This is a team CSV: import it with the team CSV button."));
      return;
    case "unchanged":
      showMessage(function () {
        return [qsTranslate("MessageDialogs", "Confirm"), qsTranslate("TMainForm", "No team needs to be rewritten.")];
      });
      return;
  }
  askAboutChanges(qsTranslate("Web", "These changes will be made to the image; nothing is written until you save.") + "\n" +
      qsTranslate("TMainForm", "Go on?"), plan.changes, function (yes) {
    if (!yes) return;
    editor.importLeague(bytes, round, true);
    clearMessage();
    redrawTeam();
  });
}

function readThen(input, use) {
  const file = input.files[0];
  input.value = "";
  if (!file) return;
  if (!core.admitsFileSize(file.size)) {
    showBrokenFile("tooLarge");
    return;
  }
  file.arrayBuffer().then(function (buffer) { use(new Uint8Array(buffer)); },
                          function () { showBrokenFile("unreadable"); });
}

// ---- Saving ----

// The image the session writes, or the refusal shown and nothing written.
function savedBytes() {
  const plan = editor.planSave();
  if (plan.refusal !== "none") {
    showError(describeSaveRefusal(plan));
    return null;
  }
  performance.mark("save-asked");
  const bytes = editor.save();
  performance.measure("image-saved", "save-asked");
  // What is exported, compared and patched from now on is the image as saved.
  shown.image.delete();
  shown.image = new core.PageImage(bytes);
  clearMessage();
  drawEditState();
  return bytes;
}

function writeTo(handle, bytes) {
  return handle.createWritable().then(function (writable) {
    return writable.write(bytes).then(function () { return writable.close(); });
  });
}

function saveFailed() {
  showError(qsTranslate("TMainForm", "The file cannot be created."));
}

function saveImage() {
  if (!editor) return;
  if (!imageHandle) {
    const bytes = savedBytes();
    if (bytes) download(bytes, shown.name, "application/octet-stream");
    return;
  }
  // The check comes first: a refused save asks for no permission and writes nothing.
  if (editor.planSave().refusal !== "none") {
    savedBytes();
    return;
  }
  imageHandle.requestPermission({ mode: "readwrite" }).then(function (permission) {
    if (permission !== "granted") return;
    const bytes = savedBytes();
    if (bytes) writeTo(imageHandle, bytes).catch(saveFailed);
  }, saveFailed);
}

function saveImageAs() {
  if (!editor) return;
  if (!window.showSaveFilePicker) {
    const bytes = savedBytes();
    if (bytes) download(bytes, shown.name, "application/octet-stream");
    return;
  }
  if (editor.planSave().refusal !== "none") {
    savedBytes();
    return;
  }
  window.showSaveFilePicker({ suggestedName: shown.name }).then(function (handle) {
    const bytes = savedBytes();
    if (!bytes) return;
    // As in the window, the page stays with the image it opened: a later save goes there.
    writeTo(handle, bytes).catch(saveFailed);
  }, function () {}); // the picker cancelled: nothing is saved
}

// ---- Keys and pointer ----

function gridEditKey(event) {
  const table = event.currentTarget;
  const cell = currentCell(table);
  if (!cell || !editor) return;
  if (event.altKey && (event.key === "ArrowUp" || event.key === "ArrowDown")) {
    event.preventDefault();
    event.stopImmediatePropagation();
    moveRow(cell.grid, cell.row, cell.row + (event.key === "ArrowUp" ? -1 : 1), cell.column);
    return;
  }
  if (event.ctrlKey || event.altKey || event.metaKey) return;
  if (event.key === "Enter" || event.key === "F2" || event.key === " ") {
    event.preventDefault();
    actOn(cell);
  }
}

function gridEditClick(event) {
  if (!editor || !event.target.closest("td")) return;
  const cell = currentCell(event.currentTarget);
  if (cell) actOn(cell);
}

function pageKey(event) {
  if (!editor || !(event.ctrlKey || event.metaKey) || document.querySelector("dialog[open]")) return;
  const key = event.key.toLowerCase();
  if (key === "s") {
    event.preventDefault();
    if (event.shiftKey) saveImageAs();
    else saveImage();
  } else if (key === "z" && !event.shiftKey) {
    event.preventDefault();
    undoOrRedo(false);
  } else if (key === "y" || (key === "z" && event.shiftKey)) {
    event.preventDefault();
    undoOrRedo(true);
  }
}

function connectRowDrag(table) {
  let from = 0;
  table.addEventListener("dragstart", function (event) {
    const label = event.target.closest && event.target.closest("tbody th");
    if (!label) return;
    from = label.parentElement.sectionRowIndex + 1;
    event.dataTransfer.effectAllowed = "move";
    event.dataTransfer.setData("application/x-tolvanek-row", String(from));
    label.parentElement.classList.add("dragging");
  });
  table.addEventListener("dragover", function (event) {
    if (!from) return;
    const row = event.target.closest && event.target.closest("tbody tr");
    if (!row) return;
    event.preventDefault();
    event.stopPropagation();
    Array.prototype.forEach.call(table.querySelectorAll(".drop-target"), function (line) { line.classList.remove("drop-target"); });
    row.classList.add("drop-target");
  });
  table.addEventListener("drop", function (event) {
    if (!from) return;
    const row = event.target.closest && event.target.closest("tbody tr");
    event.preventDefault();
    event.stopPropagation();
    const start = from;
    from = 0;
    if (row) moveRow(gridOf(table), start, row.sectionRowIndex + 1, 0);
  });
  table.addEventListener("dragend", function () {
    from = 0;
    Array.prototype.forEach.call(table.querySelectorAll(".dragging, .drop-target"), function (line) {
      line.classList.remove("dragging", "drop-target");
    });
  });
}

function connectEditing() {
  Object.keys(gridNames).forEach(function (id) {
    // Before the grid's own keys, which would move the current cell first.
    byId(id).addEventListener("keydown", gridEditKey, true);
    byId(id).addEventListener("click", gridEditClick);
    connectRowDrag(byId(id));
  });
  document.addEventListener("keydown", pageKey);
  document.addEventListener("copy", copyRows);
  document.addEventListener("paste", pasteRows);
  byId("save-image").addEventListener("click", saveImage);
  byId("save-image-as").addEventListener("click", saveImageAs);
  byId("undo-edit").addEventListener("click", function () { undoOrRedo(false); });
  byId("redo-edit").addEventListener("click", function () { undoOrRedo(true); });
  byId("helmet-color").addEventListener("click", function () { askColor(true); });
  byId("uniform-color").addEventListener("click", function () { askColor(false); });
  byId("import-team-input").addEventListener("change", function (event) {
    readThen(event.target, function (bytes) { importTeamCsv(bytes, false); });
  });
  byId("import-league-input").addEventListener("change", function (event) {
    readThen(event.target, function (bytes) { importLeague(bytes, false); });
  });
  // Text being composed by an input method is read once it is committed.
  const nameTyped = function (event) {
    if (event.isComposing) return;
    const input = byId("name-input");
    typeName(input.value, input.value.length - input.selectionEnd);
  };
  byId("name-input").addEventListener("input", nameTyped);
  byId("name-input").addEventListener("compositionend", nameTyped);
  byId("name-input").addEventListener("keydown", function (event) {
    if (event.key === "Enter") {
      event.preventDefault();
      finishName(true);
    }
  });
  byId("name-keys").addEventListener("click", function (event) {
    const key = event.target.closest("button");
    if (!key) return;
    const text = key.dataset.action === "delete" ? Array.from(acceptedName).slice(0, -1).join("")
               : acceptedName + (key.dataset.action === "space" ? "\u3000" : key.dataset.text);
    typeName(text, 0);
    byId("name-input").focus();
  });
  byId("name-ok").addEventListener("click", function () { finishName(true); });
  byId("name-cancel").addEventListener("click", function () { finishName(false); });
  byId("name-dialog").addEventListener("close", function () { finishName(false); });
  const slider = byId("value-slider");
  slider.addEventListener("input", function () {
    if (!valueCell) return;
    byId("value-typed").value = fanValue(Number(slider.value), valueCell.kind.pointScale);
    slider.setAttribute("aria-valuetext", byId("value-typed").value);
  });
  byId("value-typed").addEventListener("input", function (event) {
    if (!valueCell) return;
    const cell = valueCell.cell;
    const value = core.typedValue(event.target.value, cell.grid, cell.column);
    if (value !== null) {
      slider.value = value;
      slider.setAttribute("aria-valuetext", fanValue(value, valueCell.kind.pointScale));
    }
  });
  byId("value-dialog").addEventListener("keydown", function (event) {
    if (event.key === "Enter") {
      event.preventDefault();
      finishValue(true);
    }
  });
  byId("value-ok").addEventListener("click", function () { finishValue(true); });
  byId("value-cancel").addEventListener("click", function () { finishValue(false); });
  byId("value-dialog").addEventListener("close", function () { finishValue(false); });
  byId("color-cells").addEventListener("click", function (event) {
    const button = event.target.closest("button");
    if (button) pickColor(Number(button.dataset.index));
  });
  byId("color-cancel").addEventListener("click", function () { byId("color-dialog").close(); });
  // The handle of a file dropped on the page is taken while the drop lasts, before the page
  // opens the file.
  document.addEventListener("drop", function (event) {
    const items = event.dataTransfer && event.dataTransfer.items;
    const files = event.dataTransfer && event.dataTransfer.files;
    droppedHandle = items && items.length > 0 && items[0].getAsFileSystemHandle && files.length > 0
      ? { handle: items[0].getAsFileSystemHandle(), name: files[0].name } : null;
  }, true);
  byId("image-input").addEventListener("change", function () { droppedHandle = null; }, true);
  window.addEventListener("beforeunload", function (event) {
    if (editor && editor.state().unsaved) {
      event.preventDefault();
      event.returnValue = "";
    }
  });
}
