#!/usr/bin/env bash
# The Windows step of the test command: cross-builds the core and kovrin-cli.exe (see
# build-windows.sh), runs the core's test suite under Wine, checks that kovrin-cli.exe gives the
# same bytes and exit status as the Linux kovrin-cli for every design file in the tree, and
# builds the Windows zip and runs the program from it in a folder of its own.
# Argument: the Linux kovrin-cli to compare with.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
linux_cli="$(realpath "${1:?usage: test-windows.sh LINUX_KOVRIN_CLI}")"
out="$here/build-windows"
export WINEPREFIX="$out/wine-prefix" WINEDEBUG=-all LC_ALL=C.UTF-8
source "$here/scripts/wine-session.sh"
wine_session_start

"$here/scripts/build-windows.sh"
windows_cli="$out/kovrin/src/kovrin-cli.exe"
# Now and then Wine ends a test program before it prints a line (on a fresh machine under load),
# so a test that fails here runs up to twice more; a failure of the code fails every time, and the
# Linux suite, which runs each test once, has already passed.
ctest --test-dir "$out/kovrin" --output-on-failure -j "$(nproc)" --repeat until-pass:3

echo "-- kovrin-cli.exe against the Linux kovrin-cli, every design file in the tree"
# Each side runs in a folder of its own that reaches the tree through the same relative name, so
# the paths in their messages are the same words.
compare="$out/compare"
rm -rf "$compare"
mkdir -p "$compare/linux" "$compare/windows"
ln -s "$here" "$compare/linux/tree"
ln -s "$here" "$compare/windows/tree"
run_side() { # side, then the arguments; leaves out, err and status in the side's folder
    local side=$1
    shift
    local status=0
    if [[ $side == linux ]]; then
        (cd "$compare/linux" && "$linux_cli" "$@" >out 2>err) || status=$?
    else
        (cd "$compare/windows" && "$wine" "$windows_cli" "$@" >out 2>err) || status=$?
    fi
    echo "$status" >"$compare/$side/status"
}
failures=0
compared=0
compare_runs() { # the arguments of one run of each side
    for side in linux windows; do
        rm -f "$compare/$side/result.txt" "$compare/$side/result.kvx"
        run_side "$side" "$@"
    done
    for file in status out err result.txt result.kvx; do
        if [[ -e "$compare/linux/$file" || -e "$compare/windows/$file" ]] &&
            ! cmp -s "$compare/linux/$file" "$compare/windows/$file"; then
            echo "DIFFERS: kovrin-cli $*: $file"
            failures=$((failures + 1))
        fi
    done
    compared=$((compared + 1))
}
while IFS= read -r design; do
    compare_runs check "tree/$design"
    compare_runs generate "tree/$design"
    compare_runs generate "tree/$design" -o result.txt
    compare_runs convert "tree/$design" result.kvx
done < <(cd "$here" && git ls-files '*.kvx')
# Messages and the usage text end their lines as on Linux too.
compare_runs check tree/no-such-design.kvx
compare_runs generate
if ((failures > 0)); then
    echo "kovrin-cli.exe differs from the Linux build in $failures places"
    exit 1
fi
echo "-- $compared runs give the same bytes and exit status"

echo "-- the Windows zip"
zip=$("$here/scripts/package-windows.sh" | tail -1)
unpacked="$out/unpacked"
rm -rf "$unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && unzip -q "$zip")
folder="$unpacked/$(basename "$zip" .zip)"
for file in kovrin-cli.exe readme.txt examples/main_menu.kvx; do
    [[ -f "$folder/$file" ]] || { echo "the zip lacks $file"; exit 1; }
done
# Alone in its folder (no MinGW runtime beside it), it runs and reads its examples.
(cd "$folder" && "$wine" kovrin-cli.exe generate examples/main_menu.kvx -o main_menu.txt)
[[ -s "$folder/main_menu.txt" ]] || { echo "kovrin-cli.exe from the zip wrote no code"; exit 1; }
echo "-- $(basename "$zip") runs from a folder of its own"
