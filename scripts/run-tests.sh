#!/usr/bin/env bash
# Second command of the README (and all that CI runs): install what is missing, build with
# warnings as errors, and run every test: the core suite under AddressSanitizer and
# UndefinedBehaviorSanitizer (built without Qt, which also proves kovrin-cli needs none), a
# bounded libFuzzer run on the design-file reader, and last the whole suite. Before all that,
# every C++ file must be formatted as .clang-format says.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
"$here/scripts/install-deps.sh"
jobs=$(nproc)

echo "== formatting (clang-format, the repository's .clang-format)"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== core tests under AddressSanitizer + UndefinedBehaviorSanitizer (no Qt)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKOVRIN_WERROR=ON \
    -DKOVRIN_GUI=OFF -DKOVRIN_SANITIZE=ON >/dev/null
cmake --build build-asan
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
    ctest --test-dir build-asan --output-on-failure -j "$jobs"

echo "== fuzzing the design-file reader (${KOVRIN_FUZZ_SECONDS:-60} s)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOVRIN_GUI=OFF -DKOVRIN_FUZZ=ON -DKOVRIN_WERROR=ON >/dev/null
cmake --build build-fuzz --target fuzz_design_reader
mkdir -p build-fuzz/corpus
cp tests/data/*.kvx build-fuzz/corpus/ 2>/dev/null || true
build-fuzz/tests/fuzz/fuzz_design_reader -max_total_time="${KOVRIN_FUZZ_SECONDS:-60}" \
    -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/corpus

echo "== fuzzing the reader of class definitions (${KOVRIN_FUZZ_SECONDS:-60} s)"
cmake --build build-fuzz --target fuzz_class_reader
mkdir -p build-fuzz/corpus-classdef
find tests/data/import tests/data/examples tests/data/codegen -type f \
    -exec cp {} build-fuzz/corpus-classdef/ \;
build-fuzz/tests/fuzz/fuzz_class_reader -max_total_time="${KOVRIN_FUZZ_SECONDS:-60}" \
    -timeout=5 -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/corpus-classdef

echo "== build and test (all targets; the suite CI reads)"
"$here/scripts/build.sh" -DKOVRIN_WERROR=ON
ctest --test-dir build --output-on-failure -j "$jobs"
