#!/usr/bin/env bash
# Second command of the README (and all that CI runs): install what is missing, then
#  1. every C++ file formatted as .clang-format says;
#  2. one build of everything with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as
#     errors, in which the whole suite runs: core tests, Qt tests and the end-to-end runs of the
#     designer. Leaks inside system libraries are suppressed by name in
#     tests/sanitizer/lsan.supp; nothing of Kovrin's own is;
#  3. one Qt-free build with clang, which proves that the core and kovrin-cli need no Qt and
#     holds the libFuzzer targets: the design-file reader, its round trip (read, write, read,
#     write gives the same bytes and the same code) and the class-definition reader. Seeds:
#     every design file and every class-definition sample in the repository;
#  4. the Windows build of the core and kovrin-cli under Wine, against the Linux kovrin-cli
#     (test-windows.sh), and its zip;
#  5. a plain build of the designer and kovrin-cli, made into the Debian package, which is
#     checked and installed in a throwaway root (test-deb.sh).
# Each step prints how long it took.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
"$here/scripts/install-deps.sh"
jobs=$(nproc)
fuzz_seconds=${KOVRIN_FUZZ_SECONDS:-60}
started=$SECONDS
step_started=$SECONDS
step()
{
    echo "== $* (after $((SECONDS - started)) s)"
    step_started=$SECONDS
}
took()
{
    echo "   took $((SECONDS - step_started)) s"
}

step "formatting (clang-format, the repository's .clang-format)"
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
took

step "build with AddressSanitizer + UndefinedBehaviorSanitizer (all targets)"
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKOVRIN_WERROR=ON \
    -DKOVRIN_GUI=ON -DKOVRIN_SANITIZE=ON >/dev/null
cmake --build build-asan
took

step "the whole suite under the sanitizers (core, Qt tests, end to end)"
# No strict_string_checks: the X keyboard library's strndup of a counted, unterminated string
# trips it on every start of the designer under X.
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=1
export LSAN_OPTIONS=suppressions=$here/tests/sanitizer/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest --test-dir build-asan --output-on-failure -j "$jobs"
took

step "Qt-free build: the core, kovrin-cli and the fuzz targets (clang)"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOVRIN_GUI=OFF -DKOVRIN_FUZZ=ON -DKOVRIN_WERROR=ON >/dev/null
cmake --build build-fuzz --target kovrin-cli fuzz_design_reader fuzz_design_round_trip \
    fuzz_class_reader
cmake --build build-fuzz --target import_memory_tests && build-fuzz/tests/import_memory_tests
took

mkdir -p build-fuzz/seeds
git ls-files -z -- '*.kvx' | xargs -0 -I{} cp {} build-fuzz/seeds/
for target in fuzz_design_reader fuzz_design_round_trip; do
    step "fuzzing $target ($fuzz_seconds s, inputs up to 64 KB)"
    mkdir -p "build-fuzz/corpus-$target"
    "build-fuzz/tests/fuzz/$target" -max_total_time="$fuzz_seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 "build-fuzz/corpus-$target" build-fuzz/seeds
    took
done

mkdir -p build-fuzz/seeds-classdef
find tests/data/import tests/data/examples tests/data/codegen -type f \
    -exec cp {} build-fuzz/seeds-classdef/ \;
step "fuzzing fuzz_class_reader ($fuzz_seconds s, inputs up to 64 KB)"
mkdir -p build-fuzz/corpus-fuzz_class_reader
build-fuzz/tests/fuzz/fuzz_class_reader -max_total_time="$fuzz_seconds" -max_len=65536 \
    -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 build-fuzz/corpus-fuzz_class_reader \
    build-fuzz/seeds-classdef
took

step "Windows: the core suite under Wine, kovrin-cli.exe against the Linux build, the zip"
"$here/scripts/test-windows.sh" build-asan/src/kovrin-cli
took

step "the Debian package: a plain build, its contents and dependencies, an install in a throwaway root"
"$here/scripts/build.sh" -DKOVRIN_WERROR=ON --target kovrin --target kovrin-cli
"$here/scripts/test-deb.sh" build
took
echo "== all passed in $((SECONDS - started)) s"
