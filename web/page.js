// SPDX-License-Identifier: MIT
// The page's side: it moves the bytes the browser reads into the core, draws what the core says
// and forwards the user's input. Every decision about an image is the core's (Bindings.cpp);
// the texts come from the window's translation catalog, built into the page.
"use strict";

// Marks a text for the translation sources; the page words it when it is shown.
function QT_TRANSLATE_NOOP(context, source) {
  return source;
}

const catalog = window.TOLVANEK_CATALOG;
let language = "ja";

function qsTranslate(context, source) {
  const texts = catalog[language] || {};
  const translated = texts[context + "\u0004" + source];
  return translated === undefined ? source : translated;
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

let core = null;
let shown = null; // { image, check, name, team }
let gridTexts = null;

// The message on show, kept as the words it is made of so that a language switch rewords it.
let wordMessage = null;

function drawMessage() {
  byId("message").hidden = wordMessage === null;
  if (wordMessage === null) return;
  const words = wordMessage();
  byId("message-title").textContent = words[0];
  byId("message-text").textContent = words[1];
}

function showMessage(words) {
  wordMessage = words;
  drawMessage();
}

function clearMessage() {
  showMessage(null);
}

function showBrokenFile(doubt) {
  showMessage(function () {
    const broken = qsTranslate("TMainForm", "The file is damaged.");
    return [qsTranslate("MessageDialogs", "Error"),
            doubt ? broken + "\n" + sentence(qsTranslate("ImageFile", doubtTexts[doubt])) : broken];
  });
}

// The window's yes-or-no question, answered through `answer(true|false)`; No is the default.
function ask(text, answer) {
  const dialog = byId("question");
  byId("question-title").textContent = qsTranslate("MessageDialogs", "Confirm");
  byId("question-text").textContent = text;
  const yes = buttonText(qsTranslate("MessageDialogs", "&Yes"));
  const no = buttonText(qsTranslate("MessageDialogs", "&No"));
  const yesButton = byId("question-yes");
  const noButton = byId("question-no");
  yesButton.textContent = yes.label;
  yesButton.accessKey = yes.key;
  noButton.textContent = no.label;
  noButton.accessKey = no.key;
  let answered = false;
  function finish(agreed) {
    if (answered) return;
    answered = true;
    yesButton.onclick = null;
    noButton.onclick = null;
    dialog.onclose = null;
    if (dialog.open) dialog.close();
    answer(agreed);
  }
  yesButton.onclick = function () { finish(true); };
  noButton.onclick = function () { finish(false); };
  dialog.onclose = function () { finish(false); }; // Esc
  dialog.showModal();
  noButton.focus();
}

function openBytes(name, bytes) {
  clearMessage();
  const image = new core.PageImage(bytes);
  const check = image.check();
  if (check.verdict === "refused") {
    image.delete();
    // As the window says it: a file that was read but is no image is damaged, without a reason.
    showBrokenFile(null);
    return;
  }
  if (check.verdict === "questionable") {
    const question = qsTranslate("TMainForm", "This file does not look like an image of this game (%1).\nSaving into it could damage it. Open it?");
    ask(fill(question, [describeDoubt(check)]), function (agreed) {
      if (agreed) show(name, image, check);
      else image.delete();
    });
    return;
  }
  show(name, image, check);
}

function openFile(file) {
  // How long opening takes, from the file given to its first team drawn, for the budget's test.
  performance.mark("image-chosen");
  if (!core.admitsFileSize(file.size)) {
    showBrokenFile("tooLarge");
    return;
  }
  file.arrayBuffer().then(function (buffer) {
    openBytes(file.name, new Uint8Array(buffer));
  }, function () {
    showBrokenFile("unreadable");
  });
}

function show(name, image, check) {
  if (shown) shown.image.delete();
  shown = { image: image, check: check, name: name, team: 0 };
  const box = byId("team-box");
  box.textContent = "";
  gridTexts.teamInitials.forEach(function (initials, team) {
    const option = document.createElement("option");
    option.value = String(team);
    option.textContent = initials;
    box.appendChild(option);
  });
  box.disabled = false;
  box.value = "0";
  byId("file-name").textContent = name;
  document.title = "TOLVANEK -" + name;
  byId("team-view").hidden = false;
  byId("exchange").hidden = false;
  byId("exports").hidden = false;
  outcome = null;
  drawOutcome();
  showTeam(0);
  if (performance.getEntriesByName("image-chosen").length > 0)
    performance.measure("image-opened", "image-chosen");
  // The checksums of a whole image take a moment; the team is on screen before they are.
  byId("identity-list").textContent = "";
  setTimeout(drawIdentity, 0);
}

function showTeam(team) {
  const texts = shown.image.team(team);
  shown.team = team;
  drawGrid(byId("batter-grid"), gridTexts.batterHeaders, gridTexts.batterLabels, texts.batters);
  drawGrid(byId("pitcher-grid"), gridTexts.pitcherHeaders, gridTexts.pitcherLabels, texts.pitchers);
  drawSwatch(byId("helmet-swatch"), texts.helmet, qsTranslate("EditCaptions", "Helmet"));
  drawSwatch(byId("uniform-swatch"), texts.uniform, qsTranslate("EditCaptions", "Uniform"));
}

function drawSwatch(swatch, color, name) {
  swatch.style.backgroundColor = color;
  swatch.setAttribute("aria-label", name + " " + color);
  swatch.title = name;
}

// A read-only ARIA grid: column headers, row headers, one cell in the tab order at a time.
function drawGrid(table, headers, labels, rows) {
  const focused = table.contains(document.activeElement) ? activeCell(table) : null;
  table.textContent = "";
  table.setAttribute("aria-label", headers[0]);
  table.setAttribute("aria-readonly", "true");
  const head = table.createTHead().insertRow();
  head.setAttribute("role", "row");
  headers.forEach(function (header) {
    const cell = document.createElement("th");
    cell.setAttribute("role", "columnheader");
    cell.scope = "col";
    cell.textContent = header;
    head.appendChild(cell);
  });
  const body = table.createTBody();
  rows.forEach(function (row, r) {
    const line = body.insertRow();
    line.setAttribute("role", "row");
    const label = document.createElement("th");
    label.setAttribute("role", "rowheader");
    label.scope = "row";
    label.textContent = labels[r];
    line.appendChild(label);
    row.forEach(function (text, c) {
      const cell = line.insertCell();
      cell.setAttribute("role", "gridcell");
      cell.textContent = text;
      cell.tabIndex = -1;
      // Names and styles read from the left, numbers from the right.
      if (!/^-?\d+$/.test(text)) cell.className = "text";
    });
  });
  const start = focused || { row: 0, column: 0 };
  setActiveCell(table, start.row, start.column, focused !== null);
}

function activeCell(table) {
  const rows = table.tBodies[0] ? table.tBodies[0].rows : [];
  for (let r = 0; r < rows.length; ++r)
    for (let c = 1; c < rows[r].cells.length; ++c)
      if (rows[r].cells[c].tabIndex === 0) return { row: r, column: c - 1 };
  return null;
}

function setActiveCell(table, row, column, focus) {
  const rows = table.tBodies[0].rows;
  row = Math.max(0, Math.min(rows.length - 1, row));
  column = Math.max(0, Math.min(rows[row].cells.length - 2, column));
  Array.prototype.forEach.call(table.querySelectorAll("td[tabindex='0']"), function (cell) {
    cell.tabIndex = -1;
  });
  const cell = rows[row].cells[column + 1];
  cell.tabIndex = 0;
  if (focus) cell.focus();
}

function gridKey(event) {
  const table = event.currentTarget;
  const at = activeCell(table);
  if (!at) return;
  const rowCount = table.tBodies[0].rows.length;
  const moves = {
    ArrowUp: [at.row - 1, at.column], ArrowDown: [at.row + 1, at.column],
    ArrowLeft: [at.row, at.column - 1], ArrowRight: [at.row, at.column + 1],
    Home: event.ctrlKey ? [0, 0] : [at.row, 0],
    End: event.ctrlKey ? [rowCount - 1, 99] : [at.row, 99],
    PageUp: [0, at.column], PageDown: [rowCount - 1, at.column],
  };
  const move = moves[event.key];
  if (!move) return;
  event.preventDefault();
  setActiveCell(table, move[0], move[1], true);
}

function gridClick(event) {
  const cell = event.target.closest("td");
  if (!cell) return;
  setActiveCell(event.currentTarget, cell.parentElement.sectionRowIndex, cell.cellIndex - 1, true);
}

function identityLine(list, label, value) {
  const term = document.createElement("dt");
  term.textContent = label;
  const data = document.createElement("dd");
  data.textContent = value;
  list.appendChild(term);
  list.appendChild(data);
}

function sizeText(size) {
  return fill(size.unit === "KiB" ? qsTranslate("ImageIdentity", "%1 KiB")
                                  : qsTranslate("ImageIdentity", "%1 bytes"), [size.amount]);
}

// The image information as the window's dialog lists it.
function drawIdentity() {
  const list = byId("identity-list");
  list.textContent = "";
  const identity = shown.image.identity();
  const t = function (source) { return qsTranslate("ImageIdentity", source); };
  if (identity.header) {
    // "iNES 1.0" and "NES 2.0" are names; only the archaic form is described.
    const kind = identity.header.kind === "archaic" ? t("archaic iNES") : identity.header.name;
    identityLine(list, t("header"), kind);
    identityLine(list, t("program data"), sizeText(identity.header.programSize));
    identityLine(list, t("character data"), sizeText(identity.header.characterSize));
    identityLine(list, t("mapper"), String(identity.header.mapper));
  } else {
    identityLine(list, t("header"), t("none (no iNES header)"));
  }
  identityLine(list, t("file size"), fill(t("%1 bytes"), [identity.size]));
  identityLine(list, t("CRC-32"), identity.crc32);
  identityLine(list, t("SHA-1"), identity.sha1);
  identityLine(list, t("CRC-32 without header"), identity.dataCrc32);
  identityLine(list, t("SHA-1 without header"), identity.dataSha1);
  const check = shown.check;
  const verdict = check.verdict === "questionable" ? fill(t("doubtful (%1)"), [describeDoubt(check)])
                                                   : t("no problems found");
  identityLine(list, t("check"), verdict);
}

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
  const made = shown.image.export(how.kind, shown.team, byId("encoding-box").value);
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
  drawGrid(byId("change-grid"), [qsTranslate("Web", "Change")].concat(gridTexts.changeHeaders),
           labels, result.changes);
  byId("change-grid").hidden = result.changes.length === 0;
}

// The image compared with a file, or a patch put onto it: `applying` when the patch is to be saved.
function weigh(name, bytes, applying, agreed) {
  clearMessage();
  const kind = applying ? "patch" : core.comparedKind(name, bytes);
  const result = applying ? shown.image.apply(bytes, agreed) : shown.image.compare(bytes, kind, agreed);
  if (result.decision === "askFirst") {
    const question = qsTranslate("TMainForm", "The patched image does not look like an image of this game (%1). Go on?");
    ask(fill(question, [patchedImageDoubt(result)]), function (yes) {
      if (yes) weigh(name, bytes, applying, true);
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

function weighFile(file, applying) {
  file.arrayBuffer().then(function (buffer) {
    weigh(file.name, new Uint8Array(buffer), applying, false);
  }, function () {
    showBrokenFile("unreadable");
  });
}

function setLanguage(chosen) {
  language = chosen;
  document.documentElement.lang = chosen;
  byId("language-box").value = chosen;
  staticTexts.forEach(function (entry) {
    byId(entry[0]).textContent = qsTranslate(entry[1], entry[2]);
  });
  drawMessage();
  if (outcome) drawOutcome();
  if (shown) {
    showTeam(shown.team);
    drawIdentity();
  }
}

// Japanese unless the browser prefers English to it.
function preferredLanguage() {
  const preferred = navigator.languages && navigator.languages.length ? navigator.languages
                                                                       : [navigator.language || "ja"];
  for (let i = 0; i < preferred.length; ++i) {
    const code = String(preferred[i]).toLowerCase().split("-")[0];
    if (code === "ja" || code === "en") return code;
  }
  return "ja";
}

function connect() {
  byId("image-input").addEventListener("change", function (event) {
    const file = event.target.files[0];
    if (file) openFile(file);
    event.target.value = "";
  });
  [["compare-input", false], ["apply-input", true]].forEach(function (entry) {
    byId(entry[0]).addEventListener("change", function (event) {
      const file = event.target.files[0];
      if (file) weighFile(file, entry[1]);
      event.target.value = "";
    });
  });
  byId("save-patched").addEventListener("click", function () {
    download(outcome.result.result, baseName(outcome.name) + ".nes", "application/octet-stream");
  });
  byId("save-change-text").addEventListener("click", function () {
    download(outcome.result.text, "changes.txt", "text/plain;charset=utf-8");
  });
  byId("open-change-page").addEventListener("click", function () {
    openInNewTab(outcome.result.page);
  });
  Object.keys(exports).forEach(function (id) {
    byId(id).addEventListener("click", function () { exportFile(id); });
  });
  byId("make-patch-input").addEventListener("change", function (event) {
    const file = event.target.files[0];
    if (file) makePatch(file);
    event.target.value = "";
  });
  byId("team-box").addEventListener("change", function (event) {
    showTeam(Number(event.target.value));
  });
  byId("language-box").addEventListener("change", function (event) {
    setLanguage(event.target.value);
  });
  ["batter-grid", "pitcher-grid"].forEach(function (id) {
    byId(id).addEventListener("keydown", gridKey);
    byId(id).addEventListener("click", gridClick);
  });
  let dragDepth = 0;
  const cover = byId("drop-cover");
  document.addEventListener("dragenter", function (event) {
    event.preventDefault();
    ++dragDepth;
    cover.hidden = false;
  });
  document.addEventListener("dragleave", function () {
    dragDepth = Math.max(0, dragDepth - 1);
    if (dragDepth === 0) cover.hidden = true;
  });
  document.addEventListener("dragover", function (event) {
    event.preventDefault();
  });
  document.addEventListener("drop", function (event) {
    event.preventDefault();
    dragDepth = 0;
    cover.hidden = true;
    const files = event.dataTransfer.files;
    if (files.length > 0) openFile(files[0]);
  });
}

setLanguage(preferredLanguage());
connect();
TolvanekCore().then(function (module) {
  core = module;
  gridTexts = core.gridTexts();
  gridTexts.changeHeaders = core.changeHeaders();
  document.body.dataset.ready = "true";
});
