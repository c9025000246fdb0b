#!/usr/bin/env bash
# Peak memory of reading a design file, measured on the command line's own Load: kovrin-cli
# convert of 30,000 short controls (about 5 MB), of a file of a million short records, which
# passes the 32,767-control limit and must be refused as soon as it does, and of one control whose
# caption is 40 MB of the byte 0x80 ("€", three bytes of UTF-8 each). Peaks are the maximum
# resident set size reported by GNU time; the target of Load is three times the file plus 64 MB.
#
# usage: bench/load_memory.sh [KOVRIN_CLI]   (default build-release/src/kovrin-cli)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
cli=${1:-$here/build-release/src/kovrin-cli}
[[ -x "$cli" ]] || { echo "no $cli: build kovrin-cli first" >&2; exit 2; }
[[ -x /usr/bin/time ]] || { echo "GNU time (/usr/bin/time, package time) is needed" >&2; exit 2; }
work=$(mktemp -d "${TMPDIR:-/tmp}/kovrin-memory.XXXXXX")
trap 'rm -rf "$work"' EXIT

# Short controls: a dialog header, then records of a name, a kind and a place, the other fields
# taken from the record before, as the reader allows.
awk -v controls=30000 'BEGIN {
    ORS = "\r\n"
    print "\"0.61\""; print "\"DIALOG1\""; print "\"KOVRIN_INFO_GRIDSIZE\""; print "0.05"
    print "\"###\""
    for (i = 1; i <= controls; i++) {
        print "\"DIALOG1\""; print "\"btn" i "\""; print i % 30000
        print "0.1"; print "0.05"; print "\"ST_CENTER\""
        for (c = 0; c < 8; c++) print "0.5"
        print "\"TahomaB\""; print "0.02"; print "\"Text " i "\""
        for (c = 0; c < 12; c++) print "1"
        print "\"\""; print "0"; print "0"; print "0"; print "\"BUTTON\""
        print "0." (i % 9); print "0." (i % 7); print "0"; print "\"###\""
    }
}' >"$work/controls.kvx"
awk -v records=1000000 'BEGIN {
    ORS = "\r\n"; print "\"0.61\""
    for (i = 1; i <= records; i++) { print "\"DIALOG1\",\"t" i "\",1,0.1,0.1,\"\""; print "\"###\"" }
}' >"$work/million.kvx"
# One dialog, one control whose caption is 40 MB of high bytes.
{
    awk 'BEGIN { ORS = "\r\n"; print "\"0.61\""; print "\"DIALOG1\""
        print "\"KOVRIN_INFO_GRIDSIZE\""; print "0.05"; print "\"###\""; print "\"DIALOG1\""
        print "\"lbl1\""; print 1; print "0.1"; print "0.05"; print "\"ST_LEFT\""
        for (c = 0; c < 8; c++) print "0.5"
        print "\"TahomaB\""; print "0.02"; ORS = ""; print "\"" }'
    head -c $((40 * 1024 * 1024)) /dev/zero | tr '\0' '\200'
    awk 'BEGIN { ORS = "\r\n"; print "\""
        for (c = 0; c < 12; c++) print "1"
        print "\"\""; print "0"; print "0"; print "0"; print "\"TEXT\""
        print "0.1"; print "0.1"; print "0"; print "\"###\"" }'
} >"$work/high_bytes.kvx"

# peak NAME TARGET_MB COMMAND...: runs the command, prints its peak beside the target.
met=1
peak()
{
    local name=$1 target=$2 size kb status=0
    shift 2
    size=$(du -m "$3" | cut -f1)
    /usr/bin/time -f %M -o "$work/peak" "$@" >/dev/null 2>"$work/err" || status=$?
    kb=$(tail -n 1 "$work/peak")
    printf '%-42s %4s MB file  exit %d  peak %4d MB  target < %d MB %s\n' "$name" "$size" \
        "$status" $((kb / 1024)) "$target" "$( ((kb / 1024 < target)) && echo met || echo NOT MET)"
    ((kb / 1024 < target)) || met=0
}

peak "convert, 30,000 short controls" 80 "$cli" convert "$work/controls.kvx" "$work/out.kvx"
peak "convert, 1,000,000 short records (refused)" 200 "$cli" convert "$work/million.kvx" \
    "$work/out.kvx"
head -n 1 "$work/err"
peak "convert, a 40 MB caption of high bytes" 184 "$cli" convert "$work/high_bytes.kvx" \
    "$work/out.kvx"
((met)) && echo "Every target met." || echo "Some targets NOT MET."
