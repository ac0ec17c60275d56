// SPDX-License-Identifier: MIT
// The page's side: it moves the bytes the browser reads into the core, draws what the core says
// and forwards the user's input. Every decision about an image is the core's (Bindings.cpp);
// the words are words.js's. This part opens and shows an image; files.js saves and compares.
"use strict";

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
      if (agreed) show(name, image, check, bytes);
      else image.delete();
    });
    return;
  }
  show(name, image, check, bytes);
}

function openFile(file) {
  askBeforeDroppingEdits(function () { readImageFile(file); });
}

function readImageFile(file) {
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

function show(name, image, check, bytes) {
  if (shown) shown.image.delete();
  beginEditing(bytes, name);
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

// A team's rows in the language's words: the batting side or pitching style, each grid's second
// column, as the window shows it ("R Sub" for 右下 in English).
function shownRows(rows, words) {
  return rows.map(function (row) {
    return row.map(function (text, c) {
      return c === 1 && words.labelWords[text] !== undefined ? words.labelWords[text] : text;
    });
  });
}

function showTeam(team) {
  const texts = teamTexts(team);
  shown.team = team;
  const words = core.gridWords(language);
  drawGrid(byId("batter-grid"), words.batterHeaders, gridTexts.batterLabels,
           shownRows(texts.batters, words));
  drawGrid(byId("pitcher-grid"), words.pitcherHeaders, gridTexts.pitcherLabels,
           shownRows(texts.pitchers, words));
  drawSwatch(byId("helmet-swatch"), texts.helmet, qsTranslate("EditCaptions", "Helmet"));
  drawSwatch(byId("uniform-swatch"), texts.uniform, qsTranslate("EditCaptions", "Uniform"));
  gridsDrawn();
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

function setLanguage(chosen) {
  language = chosen;
  // The core words the editing's refusals and problems in the page's language.
  if (editor) editor.setLanguage(chosen);
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
  connectFiles();
  byId("team-box").addEventListener("change", function (event) {
    switchTeam(Number(event.target.value));
  });
  byId("language-box").addEventListener("change", function (event) {
    setLanguage(event.target.value);
  });
  ["batter-grid", "pitcher-grid", "change-grid"].forEach(function (id) {
    byId(id).addEventListener("keydown", gridKey);
    byId(id).addEventListener("click", gridClick);
  });
  connectEditing();
  let dragDepth = 0;
  const cover = byId("drop-cover");
  document.addEventListener("dragenter", function (event) {
    event.preventDefault();
    // A row dragged within a grid is no file to open.
    if (!event.dataTransfer.types.includes("Files")) return;
    ++dragDepth;
    cover.hidden = false;
  });
  document.addEventListener("dragleave", function (event) {
    if (!event.dataTransfer.types.includes("Files")) return;
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
  // When the page is ready for input, from the navigation on, for the budget's bench row.
  performance.mark("page-ready");
  document.body.dataset.ready = "true";
});
