// SPDX-License-Identifier: MIT
// The editing's files: a team CSV or league file read into the session after its change list was
// asked about, and the image the session writes saved in place or as a download.
"use strict";

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
