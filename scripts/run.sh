#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Sets everything up, builds what the editor needs (not the tests), writes the demo image and
# starts the editor with it open.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh tolvanek tolvanek-make-demo tolvanek-cli help_document package_documents
mkdir -p demo
[ -f demo/demo.nes ] || build/tools/tolvanek-make-demo demo/demo.nes
echo "Demo image: $(pwd)/demo/demo.nes"
exec build/app/tolvanek demo/demo.nes
