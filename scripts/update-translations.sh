#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Brings the translation sources up to date with the English texts in the code: the parts the
# window and the command line share (exchange/), the words of the written files, which the browser
# page shares too (reports/), the command line (cli/) and the window
# (app/, toolkit/, dialogs/, editing/, mainwindow/), and the browser page (web/). New texts appear
# unfinished in both .ts files, the Japanese and the English one; translate them there (with Qt
# Linguist or by hand) and commit them. The build compiles them, and a test fails while a text has
# no translation.
#   scripts/update-translations.sh           # the committed files
#   scripts/update-translations.sh FOLDER    # copies in FOLDER, texts that went kept as vanished
set -euo pipefail
cd "$(dirname "$0")/.."
target=exchange/translations
keep=(-no-obsolete)
if [ $# -gt 0 ]; then
    target=$1
    keep=()
fi
sources=()
for folder in exchange reports cli app toolkit dialogs editing mainwindow web; do
    [ -d "$folder" ] && sources+=("$folder")
done
for language in ja en; do
    /usr/lib/qt6/bin/lupdate -silent "${keep[@]}" -locations none -source-language en \
        -target-language "$language" "${sources[@]}" -ts "$target/tolvanek_$language.ts"
done
