// SPDX-License-Identifier: MIT
// The files the page saves, compares and patches with: the core's plans make every byte, as they
// do for tolvanek-cli, and this part hands them to the browser and shows what was decided.
"use strict";

// Bytes the page made, handed to the browser to save under `name`.
function download(bytes, name, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type: type }));
  const link = document.createElement("a");
  link.href = url;
  link.download = name;
  document.body.appendChild(link);
  link.click();
  link.remove();
  setTimeout(function () { URL.revokeObjectURL(url); }, 60000);
}

function baseName(name) {
  return name.replace(/\.[^.]*$/, "");
}

function openInNewTab(bytes) {
  const url = URL.createObjectURL(new Blob([bytes], { type: "text/html;charset=utf-8" }));
  window.open(url, "_blank", "noopener");
}

// The files the command line's export, overview and show write, made by the same plan.
const exports = {
  "save-league": { kind: "league", name: function (base) { return base + ".csv"; }, type: "text/csv" },
  "save-team-csv": { kind: "teamCsv", name: function (base, initials) { return base + "-" + initials + ".csv"; }, type: "text/csv" },
  "save-team-page": { kind: "teamPage", name: function (base, initials) { return base + "-" + initials + ".html"; }, type: "text/html" },
  "open-overview": { kind: "overview", tab: true },
  "save-show": { kind: "show", name: function (base) { return base + ".txt"; }, type: "text/plain;charset=utf-8" },
};

function exportFile(id) {
  clearMessage();
  const how = exports[id];
  // The encoding box is the CSV files'; a team's page is always Shift_JIS, as the command line
  // writes it.
  const encoding = how.kind === "teamPage" ? "shiftJis" : byId("encoding-box").value;
  const made = shown.image.export(how.kind, shown.team, encoding, language);
  if (made.decision !== "made") {
    showMessage(function () {
      return [qsTranslate("MessageDialogs", "Error"),
              sentence(fill(qsTranslate("League", "'%1' is not a number"), [made.notANumber]))];
    });
    return;
  }
  if (how.tab) {
    openInNewTab(made.bytes);
    return;
  }
  download(made.bytes, how.name(baseName(shown.name), gridTexts.teamInitials[shown.team]), how.type);
}

function makePatch(file) {
  file.arrayBuffer().then(function (buffer) {
    clearMessage();
    const modified = new core.PageImage(new Uint8Array(buffer));
    const check = modified.check();
    modified.delete();
    // The modified image is opened as any image: one that is no image of this game makes no
    // patch, and one unlike it only when the user agrees.
    if (check.verdict === "refused") {
      showBrokenFile(null);
      return;
    }
    const make = function () { makePatchTo(file.name, new Uint8Array(buffer)); };
    if (check.verdict === "questionable") {
      const question = qsTranslate("TMainForm", "This file does not look like an image of this game (%1).\nSaving into it could damage it. Open it?");
      ask(fill(question, [describeDoubt(check)]), function (agreed) { if (agreed) make(); });
      return;
    }
    make();
  }, function () {
    showBrokenFile("unreadable");
  });
}

function makePatchTo(fileName, bytes) {
  const name = baseName(fileName) + "." + byId("patch-format-box").value;
  const made = shown.image.makePatch(bytes, name);
  if (made.decision !== "made") {
    showMessage(function () {
      return [qsTranslate("MessageDialogs", "Error"),
              qsTranslate("Web", "An IPS patch cannot describe images larger than 16 MiB; make a BPS patch.")];
    });
    return;
  }
  download(made.bytes, name, "application/octet-stream");
}

// The outcome of a comparison or of a patch on show: what the core said, and the file it came from.
let outcome = null;

function patchedImageDoubt(result) {
  return describeDoubt(result.patch ? result.patch.resultCheck : result.afterCheck);
}

// Why a comparison or a patch goes no further, worded as the window words it; empty when it goes on.
function stopMessage(result) {
  switch (result.decision) {
    case "patchRefused":
      return sentence(describePatchRefusal(result.patch));
    case "csvRefused":
      return describeCsvErrors(shown.image.csvErrors(language));
    case "noImage":
      if (result.patch)
        return fill(qsTranslate("TMainForm", "What the patch gives is no image of this game (%1)."),
                    [patchedImageDoubt(result)]);
      return qsTranslate("TMainForm", "The file is damaged.");
    default:
      return "";
  }
}

function drawOutcome() {
  const box = byId("outcome");
  if (outcome === null) {
    box.hidden = true;
    return;
  }
  const result = outcome.result;
  box.hidden = false;
  const notes = byId("outcome-notes");
  notes.textContent = "";
  if (result.patch)
    result.patch.notes.forEach(function (note) {
      const item = document.createElement("li");
      item.textContent = sentence(qsTranslate("PatchFiles", noteTexts[note]));
      notes.appendChild(item);
    });
  let summary;
  if (result.decision === "alreadyApplied")
    summary = sentence(describePatchRefusal(result.patch));
  else if (result.changes.length === 0)
    summary = qsTranslate("Changes", "No changes.");
  else
    summary = fill(qsTranslate("Web", "%1 against %2: %3 changes"),
                   [shown.name, outcome.name, result.changes.length]);
  byId("outcome-summary").textContent = summary;
  byId("save-patched").hidden = !result.result;
  const labels = result.changes.map(function (row, index) { return String(index + 1); });
  drawGrid(byId("change-grid"), [qsTranslate("Web", "Change")].concat(changeHeaders()), labels,
           shown.image.changeRows(language));
  byId("change-grid").hidden = result.changes.length === 0;
}

// The change list's column headers, as the window's comparison words them.
function changeHeaders() {
  return ["Team", "Kind", "Row", "Name", "Item", "Before", "After"].map(function (header) {
    return qsTranslate("TMainForm", header, "change list");
  });
}

// The image compared with a file, or a patch put onto it: `applying` when the patch is to be saved;
// `csv` for a league file or team CSV, a team CSV being read into the team on show.
function weigh(name, bytes, applying, agreed, csv) {
  clearMessage();
  const kind = applying ? "patch" : csv ? "csv" : core.comparedKind(name, bytes);
  const result = applying ? shown.image.apply(bytes, agreed)
                          : shown.image.compare(bytes, kind, agreed, shown.team, false);
  if (result.decision === "askFirst") {
    const question = qsTranslate("TMainForm", "The patched image does not look like an image of this game (%1). Go on?");
    ask(fill(question, [patchedImageDoubt(result)]), function (yes) {
      if (yes) weigh(name, bytes, applying, true, csv);
    });
    return;
  }
  const stop = stopMessage(result);
  if (stop) {
    outcome = null;
    drawOutcome();
    showMessage(function () { return [qsTranslate("MessageDialogs", "Error"), stopMessage(result)]; });
    return;
  }
  outcome = { name: name, result: result, applying: applying };
  drawOutcome();
}

function weighFile(file, applying, csv) {
  file.arrayBuffer().then(function (buffer) {
    weigh(file.name, new Uint8Array(buffer), applying, false, csv);
  }, function () {
    showBrokenFile("unreadable");
  });
}

function connectFiles() {
  [["compare-input", false, false], ["apply-input", true, false],
   ["compare-csv-input", false, true]].forEach(function (entry) {
    byId(entry[0]).addEventListener("change", function (event) {
      const file = event.target.files[0];
      if (file) weighFile(file, entry[1], entry[2]);
      event.target.value = "";
    });
  });
  byId("save-patched").addEventListener("click", function () {
    download(outcome.result.result, baseName(outcome.name) + ".nes", "application/octet-stream");
  });
  // The change list's files are made when asked for, in the language on show then.
  byId("save-change-text").addEventListener("click", function () {
    download(shown.image.changeFile("text", language), "changes.txt", "text/plain;charset=utf-8");
  });
  byId("save-change-csv").addEventListener("click", function () {
    download(shown.image.changeFile("csv", language), "changes.csv", "text/csv");
  });
  byId("save-change-page").addEventListener("click", function () {
    download(shown.image.changeFile("html", language), "changes.html", "text/html");
  });
  byId("open-change-page").addEventListener("click", function () {
    openInNewTab(shown.image.changeFile("html", language));
  });
  Object.keys(exports).forEach(function (id) {
    byId(id).addEventListener("click", function () { exportFile(id); });
  });
  byId("make-patch-input").addEventListener("change", function (event) {
    const file = event.target.files[0];
    if (file) makePatch(file);
    event.target.value = "";
  });
}
