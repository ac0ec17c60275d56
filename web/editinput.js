// SPDX-License-Identifier: MIT
// The editing's keys and pointer: the window's keys on the grids' cells, rows dragged by their
// labels, and the question before the page is left with unsaved edits.
"use strict";

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
