#!/usr/bin/env bash
# Sets everything up, builds, writes the demo image and starts the editor.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
mkdir -p demo
[ -f demo/demo.nes ] || build/tools/tolvanek-make-demo demo/demo.nes
echo "Demo image: $(pwd)/demo/demo.nes (open it with ファイル(F) → 開く(O)... or F1)"
exec build/app/tolvanek
