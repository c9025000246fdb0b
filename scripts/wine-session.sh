# Sourced by the scripts that run Windows programs under Wine, after they set WINEPREFIX (made
# here when it is not there yet).
# The first Windows program of a session starts Wine's server and services, which live on a few
# seconds after the last program and keep open whatever output they inherited: a test runner
# then waits for them on every test. One session for the whole script avoids both costs: its
# services start here with no output to hold, and it ends with the script (a script called by
# one that has a session uses that one).
wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver

wine_session_end() {
    "$wineserver" --kill 2>/dev/null || true
}

wine_session_start() {
    [[ -z ${KOVRIN_WINE_SESSION:-} ]] || return 0
    export KOVRIN_WINE_SESSION=$$
    if [[ ! -d $WINEPREFIX ]]; then
        echo "-- Wine prefix $WINEPREFIX"
        mkdir -p "$(dirname "$WINEPREFIX")"
        "$wine" wineboot --init </dev/null >/dev/null 2>&1
    fi
    # A server left by the prefix's set-up or an earlier run is this build's own: replace it.
    "$wineserver" --kill 2>/dev/null || true
    "$wineserver" --wait
    "$wineserver" --persistent
    "$wine" cmd /c exit </dev/null >/dev/null 2>&1 || true
    trap wine_session_end EXIT
}
