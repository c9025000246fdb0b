#!/usr/bin/env bash
# Installs the Debian packages Kovrin needs. "install-deps.sh designer" installs only what
# building and running the designer and kovrin-cli needs (the README's first command);
# "install-deps.sh" with no argument adds what the tests, benchmarks, fuzzers, the Windows build
# and the package check need (the second command). Safe to run again: it only calls apt-get when
# something is missing, never prompts, and uses sudo when not run as root.
# Everything it says goes to standard error, so the output of a command started after it stays
# clean.
set -euo pipefail
exec >&2

packages=(
    g++ cmake ninja-build pkg-config
    qt6-base-dev
    xdg-utils # the readme opens in the desktop's text viewer
)
case "${1:-all}" in
designer) ;;
all)
    packages+=(
        make
        libgtest-dev libgmock-dev libbenchmark-dev
        clang libclang-rt-14-dev clang-format llvm
        xvfb xauth xdotool xclip imagemagick
        g++-mingw-w64-x86-64-posix wine64 googletest zip unzip
        dpkg-dev file desktop-file-utils shared-mime-info
        time
    )
    ;;
*)
    echo "usage: install-deps.sh [designer]" >&2
    exit 2
    ;;
esac

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
as_root=()
[[ $(id -u) -eq 0 ]] || as_root=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${as_root[@]}" apt-get update -q
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
