#!/usr/bin/env bash
# Install what is missing, build in Release into build-release/ and run the benchmarks: read,
# write and generate against the line-splitting floor (core_bench), the design surface with
# 5,000 controls (surface_bench) and with a third of them in controls groups (groups_bench), the
# selection's rules (selection_bench), the import of class
# definitions (import_bench), the designer's own timings on a 10,000-control design (gui_timing),
# the Properties panel on 1,000 controls (panel_timing), all headless, and the peak memory of reading (bench/load_memory.sh). Arguments go to
# core_bench, e.g. --benchmark_filter=controls:10000.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"
"$here/scripts/install-deps.sh"
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DKOVRIN_BENCH=ON >/dev/null
# The build's own output goes to a log, shown only when the build fails.
if ! cmake --build build-release --target core_bench import_bench mission_tree_bench surface_bench \
    selection_bench groups_bench \
    gui_timing panel_timing kovrin-cli \
    >build-release/build.log 2>&1; then
    cat build-release/build.log
    exit 1
fi

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$here/build-release/runtime}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

echo "== read, write and generate against the floor"
build-release/bench/core_bench "$@"
echo
echo "== the import of 11 MB of class definitions"
build-release/bench/import_bench
echo
echo "== the import of a mission's folder tree: 200 files, 2,000 macros"
build-release/bench/mission_tree_bench
echo
echo "== the design surface with 5,000 controls"
build-release/bench/surface_bench
echo
echo "== 5,000 controls, a third in controls groups three deep"
build-release/bench/groups_bench
echo
echo "== the selection's rules: band, align, group drag"
build-release/bench/selection_bench
echo
echo "== the designer on a 10,000-control design"
build-release/bench/gui_timing "${KOVRIN_GUI_RUNS:-7}"
echo
echo "== the Properties panel on 1,000 controls"
build-release/bench/panel_timing
echo
echo "== peak memory of reading a design file"
"$here/bench/load_memory.sh" build-release/src/kovrin-cli
