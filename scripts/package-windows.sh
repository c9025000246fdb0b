#!/usr/bin/env bash
# Builds kovrin-cli-<version>-windows-x64.zip into build-windows/: kovrin-cli.exe (linked
# statically, so it runs from a folder of its own), readme.txt and the example designs.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/build-windows.sh"
cd "$here/build-windows/kovrin"
cpack -G ZIP -B "$here/build-windows/package" >/dev/null
zip=$(ls "$here"/build-windows/package/kovrin-cli-*-windows-x64.zip)
mv -f "$zip" "$here/build-windows/"
echo "$here/build-windows/$(basename "$zip")"
