#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Brings the Japanese translation source up to date with the English texts in the code: the
# parts the window and the command line share (exchange/), the command line (cli/) and the
# window (toolkit/, dialogs/, editing/, mainwindow/). New texts appear unfinished in the .ts
# file; translate them there (with Qt Linguist or by hand) and commit it. The build compiles it.
set -euo pipefail
cd "$(dirname "$0")/.."
sources=()
for folder in exchange cli toolkit dialogs editing mainwindow; do
    [ -d "$folder" ] && sources+=("$folder")
done
/usr/lib/qt6/bin/lupdate -no-obsolete -locations none -source-language en -target-language ja \
    "${sources[@]}" -ts exchange/translations/tolvanek_ja.ts
