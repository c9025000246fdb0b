#!/usr/bin/env bash
# Configures and builds Kovrin into build/ (Release with debug info). "--target NAME" (repeatable)
# builds only those targets and what they need; other arguments go to CMake's configure step.
# Everything it says goes to standard error, so the output of a command started after it stays
# clean.
set -euo pipefail
exec >&2
cd "$(dirname "$0")/.."
targets=()
configure=()
while [[ $# -gt 0 ]]; do
    if [[ "$1" == --target && $# -ge 2 ]]; then
        targets+=(--target "$2")
        shift 2
    else
        configure+=("$1")
        shift
    fi
done
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${configure[@]}" >/dev/null
cmake --build build "${targets[@]}"
