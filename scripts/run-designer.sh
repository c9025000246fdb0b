#!/usr/bin/env bash
# First command of the README: install what is missing, build, and start Kovrin with the
# arguments given (none opens the designer; "generate FILE.kvx" and the like run the command line).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
"$here/scripts/install-deps.sh"
"$here/scripts/build.sh"
exec "$here/build/src/kovrin" "$@"
