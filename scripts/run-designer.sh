#!/usr/bin/env bash
# First command of the README: install what is missing, build the designer (only it: the tests
# and benchmarks are the second command's), and start it with the arguments given (none opens the
# designer, a design file opens it with that file loaded, "generate FILE.kvx" and the like run
# the command line). What the set-up says goes to standard error, so
# "run-designer.sh generate menu.kvx > out.ext" holds only the code.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh" designer
# Tests and benchmarks need more packages (the second command installs them): not configured.
"$here/scripts/build.sh" -DKOVRIN_TESTS=OFF -DKOVRIN_BENCH=OFF --target kovrin
exec "$here/build/src/kovrin" "$@"
