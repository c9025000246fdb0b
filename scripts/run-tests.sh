#!/usr/bin/env bash
# Second command of the README (and all that CI runs): install what is missing, then
#  1. every C++ file formatted as .clang-format says;
#  2. one build of everything with AddressSanitizer and UndefinedBehaviorSanitizer, warnings as
#     errors, in which the whole suite runs: core tests, Qt tests and the end-to-end runs of the
#     designer. Leaks inside system libraries are suppressed by name in
#     tests/sanitizer/lsan.supp; nothing of Kovrin's own is;
#  3. one Qt-free build with clang, which proves that the core and kovrin-cli need no Qt: built
#     without sanitizers, it runs kovrin-cli on large and hostile designs and checks its peak
#     memory; built with them, it holds the libFuzzer targets: the design-file reader, its round
#     trip (read, write, read, write gives the same bytes and the same code) and the
#     class-definition reader, each at least a minute with its format's dictionary and memory
#     limits of 512 MB. Seeds: every design file and class-definition sample in the repository,
#     the hostile ones of tests/data/hostile among them;
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
# Each fuzz target runs at least a minute, more when asked.
fuzz_seconds=${KOVRIN_FUZZ_SECONDS:-60}
((fuzz_seconds >= 60)) || fuzz_seconds=60
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
    fuzz_class_reader fuzz_position_expression
took

step "Qt-free build without sanitizers: the peak memory of kovrin-cli on large and hostile files"
# The sanitizers multiply memory, so the fuzzing build cannot judge it; this one can.
CC=clang CXX=clang++ cmake -S . -B build-memory -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKOVRIN_GUI=OFF -DKOVRIN_BENCH=OFF -DKOVRIN_WERROR=ON >/dev/null
cmake --build build-memory --target kovrin-cli memory_tests
build-memory/tests/memory_tests
took

# Every target: inputs of any length up to 1 MB from the start (no growing from the seeds'
# length), its format's dictionary, and memory limits low enough that a blow-up is a finding.
fuzz()
{
    local target=$1 dict=$2 seeds=$3
    step "fuzzing $target ($fuzz_seconds s, inputs up to 1 MB, 512 MB resident, 256 MB a block)"
    mkdir -p "build-fuzz/corpus-$target"
    # The sanitizer's quarantine of freed blocks (256 MB by default) counts against the 512 MB a
    # target may hold and grew it to the limit within a minute; 32 MB still catches a use of a
    # block freed shortly before.
    ASAN_OPTIONS="$ASAN_OPTIONS:quarantine_size_mb=32" \
        "build-fuzz/tests/fuzz/$target" -max_total_time="$fuzz_seconds" -max_len=1048576 \
        -len_control=0 -dict="$dict" -timeout=10 -rss_limit_mb=512 -malloc_limit_mb=256 \
        -print_final_stats=1 "build-fuzz/corpus-$target" "$seeds"
    took
}
# Seeds: every design file of the repository, the hostile ones of tests/data/hostile among them;
# for the class reader (and the position expressions within) every class-definition sample and
# the hostile ones beside them.
rm -rf build-fuzz/seeds build-fuzz/seeds-classdef
mkdir -p build-fuzz/seeds build-fuzz/seeds-classdef
git ls-files -z -- '*.kvx' | xargs -0 -I{} cp {} build-fuzz/seeds/
find tests/data/import tests/data/examples tests/data/codegen -type f \
    -exec cp {} build-fuzz/seeds-classdef/ \;
find tests/data/hostile -type f ! -name '*.kvx' -exec cp {} build-fuzz/seeds-classdef/ \;
fuzz fuzz_design_reader tests/fuzz/design.dict build-fuzz/seeds
fuzz fuzz_design_round_trip tests/fuzz/design.dict build-fuzz/seeds
fuzz fuzz_class_reader tests/fuzz/class_definition.dict build-fuzz/seeds-classdef
fuzz fuzz_position_expression tests/fuzz/position_expression.dict build-fuzz/seeds-classdef

step "Windows: the core suite under Wine, kovrin-cli.exe against the Linux build, the zip"
"$here/scripts/test-windows.sh" build-asan/src/kovrin-cli
took

step "the Debian package: a plain build, its contents and dependencies, an install in a throwaway root"
"$here/scripts/build.sh" -DKOVRIN_WERROR=ON --target kovrin --target kovrin-cli
"$here/scripts/test-deb.sh" build
took
echo "== all passed in $((SECONDS - started)) s"
