#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian 12 packages the editor and its tests need, then configures and builds
# into ./build: everything, or only the targets named as arguments. Safe to run again: apt-get is
# skipped when everything is already there.
#   scripts/setup.sh                       # everything, tests included
#   scripts/setup.sh tolvanek tolvanek-cli # only these
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
    build-essential cmake pkg-config
    qt6-base-dev qt6-5compat-dev libgl-dev qt6-tools-dev qt6-l10n-tools zlib1g-dev
    libtomlplusplus-dev nlohmann-json3-dev jq python3-jsonschema
    libgtest-dev googletest libbenchmark-dev clang libclang-rt-14-dev emscripten
    fonts-ipafont-gothic qt6-translations-l10n libmecab-dev mecab-ipadic-utf8
    dpkg-dev file desktop-file-utils appstream hyperfine lintian
    xvfb xauth xdotool imagemagick x11-utils python3 chromium tidy git fceux
    gnumeric libreoffice-calc-nogui
    libxkbcommon-x11-0 libxcb-cursor0 libxcb-icccm4 libxcb-image0 libxcb-keysyms1
    libxcb-randr0 libxcb-render-util0 libxcb-shape0 libxcb-xinerama0 libxcb-xkb1
)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ $# -gt 0 ]; then
    cmake --build build -j"$(nproc)" --target "$@"
else
    cmake --build build -j"$(nproc)"
fi
