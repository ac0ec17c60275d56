#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from an existing build folder (build/ unless one is given) and checks
# what it ships: lintian, with a warning failing the run as an error does, the desktop entry and
# the AppStream metadata. Every check runs, then the run fails if any of them did. No network.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build}
if [ ! -f "$build/CPackConfig.cmake" ]; then
    echo "test-package: $build/CPackConfig.cmake not found; configure and build $build first" >&2
    exit 2
fi

# The browser page goes into the package from the WebAssembly build; build it if it is not there.
page=$(sed -n 's/^TOLVANEK_WEB_PAGE:FILEPATH=//p' "$build/CMakeCache.txt")
if [ -n "$page" ] && [ ! -f "$page" ]; then
    BUILD_DIR=$(dirname "$(dirname "$page")") scripts/build-web.sh
fi

out="$build/package"
rm -rf "$out"
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out"
debs=("$out"/*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "test-package: expected one .deb in $out" >&2
    exit 1
fi
deb=${debs[0]}

failed=()

# CI runs as root; lintian only frowns on that, and says so on every run unless told.
lintian_options=(--fail-on "error,warning" --display-info)
if [ "$(id -u)" -eq 0 ]; then
    lintian_options+=(--allow-root)
fi
echo "== lintian $deb"
lintian "${lintian_options[@]}" "$deb" || failed+=(lintian)

root="$out/root"
dpkg-deb -x "$deb" "$root"
desktop="$root/usr/share/applications/io.github.tolvanek.Tolvanek.desktop"
metainfo="$root/usr/share/metainfo/io.github.tolvanek.Tolvanek.metainfo.xml"

echo "== browser page"
if [ ! -s "$root/usr/share/tolvanek/web/tolvanek.html" ]; then
    echo "missing: /usr/share/tolvanek/web/tolvanek.html"
    failed+=(web-page)
fi

# desktop-file-validate exits 0 on warnings and hints, so anything it says counts as a failure.
echo "== desktop-file-validate"
if [ ! -f "$desktop" ]; then
    echo "missing: ${desktop#"$root"}"
    failed+=(desktop-entry)
elif ! report=$(desktop-file-validate "$desktop" 2>&1) || [ -n "$report" ]; then
    echo "$report"
    failed+=(desktop-entry)
fi

# validate-tree also checks that the metainfo's launchable names the desktop entry shipped beside
# it; --strict fails on warnings and infos, not on pedantic hints.
echo "== appstreamcli validate-tree"
if [ ! -f "$metainfo" ]; then
    echo "missing: ${metainfo#"$root"}"
    failed+=(appstream)
elif ! appstreamcli validate-tree --no-net --strict "$root"; then
    failed+=(appstream)
fi

if [ ${#failed[@]} -gt 0 ]; then
    echo "test-package: FAILED: ${failed[*]}" >&2
    exit 1
fi
echo "test-package: $deb passes lintian, desktop-file-validate and appstreamcli"
