# shellcheck shell=bash
# Helpers for driving the designer from outside in a private X server (Xvfb), sourced by the
# end-to-end test and by scripts/take-screenshots.sh. Everything waits with a deadline: xdotool's
# own --sync waits have none.
#
# Callers set X_WORK (a private temporary folder) and X_ARTIFACTS (where failure screenshots go)
# and call x_cleanup from their EXIT trap.

X_STEP="start"
X_WAIT_SECONDS=${X_WAIT_SECONDS:-20}
X_SERVER_PID=""
X_SERVER_LOG=""
X_APP_PID=""
X_STARTED=$SECONDS

x_log()
{
    printf '[%3ds] %s\n' $((SECONDS - X_STARTED)) "$*"
}

x_step()
{
    X_STEP="$1"
    x_log "step: $1"
}

# Ends the run as failed, with a screenshot of the whole screen and the program's output kept.
x_fail()
{
    local shot="$X_ARTIFACTS/failure-screen.png"
    mkdir -p "$X_ARTIFACTS"
    if [[ -n "${DISPLAY:-}" ]] && import -window root "$shot" 2>/dev/null; then
        echo "screenshot of the failure: $shot" >&2
    fi
    for log in "$X_WORK"/app-*.log; do
        if [[ -f "$log" ]]; then cp "$log" "$X_ARTIFACTS/"; fi
    done
    if [[ -d "$X_WORK/files" ]]; then cp -r "$X_WORK/files" "$X_ARTIFACTS/"; fi
    echo "FAILED at step '$X_STEP': $*" >&2
    exit 1
}

x_need_tools()
{
    local tool missing=()
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || missing+=("$tool")
    done
    if [[ ${#missing[@]} -gt 0 ]]; then
        echo "missing tools: ${missing[*]} (scripts/install-deps.sh installs them)" >&2
        return 1
    fi
}

# Starts Xvfb on the first free display of FIRST..LAST and exports DISPLAY. Xvfb reports the
# display on a file descriptor once it accepts clients, so a display that another server holds
# is never mistaken for ours. Returns 1 when no server could be started.
x_start_server()
{
    local first=$1 last=$2 size=${3:-1600x1000x24} n ready
    for ((n = first; n <= last; n++)); do
        [[ -e "/tmp/.X$n-lock" || -e "/tmp/.X11-unix/X$n" ]] && continue
        ready="$X_WORK/xvfb-$n.ready"
        X_SERVER_LOG="$X_WORK/xvfb-$n.log"
        : >"$ready"
        Xvfb ":$n" -screen 0 "$size" -nolisten tcp -noreset -displayfd 9 9>"$ready" \
            >"$X_SERVER_LOG" 2>&1 &
        X_SERVER_PID=$!
        local deadline=$((SECONDS + 10))
        while [[ ! -s "$ready" ]] && kill -0 "$X_SERVER_PID" 2>/dev/null \
            && ((SECONDS < deadline)); do
            sleep 0.05
        done
        if [[ -s "$ready" ]] && kill -0 "$X_SERVER_PID" 2>/dev/null; then
            export DISPLAY=":$n"
            return 0
        fi
        kill "$X_SERVER_PID" 2>/dev/null || true
        wait "$X_SERVER_PID" 2>/dev/null || true
        X_SERVER_PID=""
    done
    return 1
}

# The program's environment: settings, caches and runtime files in the private folder, no
# desktop theme or scaling (a logical pixel must be a screen pixel for the mouse arithmetic).
x_app_environment()
{
    mkdir -p "$X_WORK/home" "$X_WORK/config" "$X_WORK/cache" "$X_WORK/data" "$X_WORK/runtime"
    chmod 700 "$X_WORK/runtime"
    export HOME="$X_WORK/home" XDG_CONFIG_HOME="$X_WORK/config" XDG_CACHE_HOME="$X_WORK/cache"
    export XDG_DATA_HOME="$X_WORK/data" XDG_RUNTIME_DIR="$X_WORK/runtime"
    export QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8
    unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS
    unset QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING QT_FONT_DPI
}

# Starts the designer with the given arguments; its output goes to app-NAME.log.
x_start_app()
{
    local name=$1
    shift
    "$@" >"$X_WORK/app-$name.log" 2>&1 &
    X_APP_PID=$!
}

x_app_running()
{
    [[ -n "$X_APP_PID" ]] && kill -0 "$X_APP_PID" 2>/dev/null
}

# Visible windows of the program whose title matches the extended regular expression.
x_windows()
{
    xdotool search --all --onlyvisible --pid "$X_APP_PID" --name "$1" 2>/dev/null || true
}

# Runs the command until it succeeds, for at most SECONDS; returns 1 when it never did.
x_poll()
{
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# As x_poll, but fails the run with MESSAGE when the command never succeeded.
x_until()
{
    local seconds=$1 message=$2
    shift 2
    x_poll "$seconds" "$@" || x_fail "$message"
}

# Prints the first line the command prints; returns 1 when it prints nothing.
x_first()
{
    local line
    line=$("$@" | head -n 1)
    [[ -n "$line" ]] && echo "$line"
}

# Prints the id of a visible window of the program titled like REGEX once there is one, waiting
# at most SECONDS; returns 1 when none came.
x_find_window()
{
    x_poll "$2" x_first x_windows "$1"
}

# Waits for a visible window of the program titled like REGEX and prints its id.
x_wait_window()
{
    local regex=$1 what=${2:-$1}
    x_find_window "$regex" "$X_WAIT_SECONDS" && return 0
    x_app_running || x_fail "the program ended while waiting for the window '$what'"
    x_fail "the window '$what' did not appear within $X_WAIT_SECONDS s"
}

# Waits for any window of the program but the main window and the toolbox and prints its id
# and title, tab-separated.
x_wait_other_window()
{
    x_poll "$X_WAIT_SECONDS" x_first x_other_windows && return 0
    x_app_running || x_fail "the program ended while waiting for $1"
    x_fail "$1 did not appear within $X_WAIT_SECONDS s"
}

x_window_gone()
{
    ! xdotool search --onlyvisible --pid "$X_APP_PID" 2>/dev/null | grep -qx "$1"
}

# Waits at most SECONDS for window ID to be gone; returns 1 when it is still shown.
x_find_gone()
{
    x_poll "$2" x_window_gone "$1"
}

x_wait_gone()
{
    x_until "$X_WAIT_SECONDS" "the window '$2' was still open after $X_WAIT_SECONDS s" \
        x_window_gone "$1"
}

# Titles of the program's visible windows other than the main window and the toolbox: the
# questions and messages it may show.
x_other_windows()
{
    local id name
    for id in $(xdotool search --onlyvisible --pid "$X_APP_PID" 2>/dev/null); do
        name=$(xdotool getwindowname "$id" 2>/dev/null) || continue
        [[ -z "$name" || "$name" == "Kovrin v"* || "$name" == "Controls Toolbox" ]] && continue
        printf '%s\t%s\n' "$id" "$name"
    done
}

# Gives a window the keyboard focus. There is no window manager: the focus is set directly and
# read back, then the toolkit gets a moment to take the activation in. Returns 1 when the window
# would not keep it (a modal window of the program holds it).
x_focus()
{
    x_poll "$X_WAIT_SECONDS" x_keeps_focus "$1"
}

x_keeps_focus()
{
    xdotool windowfocus "$1" 2>/dev/null || true
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$1" ]] || return 1
    sleep 0.2
    [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$1" ]]
}

# Sets WIN_X, WIN_Y, WIN_W, WIN_H to a window's place and size on the screen.
x_geometry()
{
    # shellcheck disable=SC2034 # SCREEN and WINDOW come with the others
    local X Y WIDTH HEIGHT SCREEN WINDOW
    eval "$(xdotool getwindowgeometry --shell "$1")"
    WIN_X=$X WIN_Y=$Y WIN_W=$WIDTH WIN_H=$HEIGHT
}

x_screenshot()
{
    import -window root "$1"
}

# The first pixel of colour HEX (#RRGGBB) along a one-pixel-wide strip (WxH+X+Y, one of W and H
# being 1) of a screenshot, as an offset from the strip's start; nothing when there is none.
x_first_pixel()
{
    convert "$1" -crop "$2" +repage -depth 8 txt:- 2>/dev/null \
        | awk -v colour=" $3 " 'index($0, colour) { split($1, at, /[,:]/); print at[1] + at[2]; exit }' \
        || true
}

# How many pixels of a window are yellow, as an armed toolbox button is (the style shades it).
x_yellow_pixels()
{
    import -window "$1" -depth 8 txt:- 2>/dev/null \
        | awk -F'[(),]' 'NR > 1 && $3 >= 240 && $4 >= 240 && $5 < 160 { n++ } END { print n + 0 }' \
        || echo 0
}

# Finds the dialog window at the top-left of the workspace of main window MAIN and sets
# CHILD_X, CHILD_Y, CHILD_W, CHILD_H (its outer frame on the screen) and CLIENT_X, CLIENT_Y
# (the top-left of its design surface); returns 1 when there is none. The workspace is the only
# red-green-blue-64 area, so its edges and the dialog window's are read off a screenshot; the
# frame's size is the style's and is not assumed.
# shellcheck disable=SC2034 # the results are for the caller
x_measure_dialog_window()
{
    local main=$1 shot="$X_WORK/measure.png" grey="#404040" top left right bottom border
    x_geometry "$main"
    x_screenshot "$shot" || return 1
    # The workspace's top from its right-hand side, its left from below the dialog window.
    top=$(x_first_pixel "$shot" "1x${WIN_H}+$((WIN_X + WIN_W - 30))+$WIN_Y" "$grey")
    left=$(x_first_pixel "$shot" "${WIN_W}x1+${WIN_X}+$((WIN_Y + WIN_H - 60))" "$grey")
    [[ -n "$top" && -n "$left" ]] || return 1
    CHILD_X=$((WIN_X + left))
    CHILD_Y=$((WIN_Y + top))
    right=$(x_first_pixel "$shot" "$((WIN_W - left))x1+${CHILD_X}+$((CHILD_Y + 40))" "$grey")
    bottom=$(x_first_pixel "$shot" "1x$((WIN_H - top))+$((CHILD_X + 40))+${CHILD_Y}" "$grey")
    [[ -n "$right" && -n "$bottom" ]] || return 1
    CHILD_W=$right
    CHILD_H=$bottom
    # The surface is 794 x 481 pixels (11910 x 7215 twips); the frame is as wide left, right and
    # below, the title bar takes the rest above.
    border=$(((CHILD_W - 794) / 2))
    ((border >= 0 && CHILD_H - 481 - border >= 0)) || return 1
    CLIENT_X=$((CHILD_X + border))
    CLIENT_Y=$((CHILD_Y + CHILD_H - 481 - border))
}

# Measures until two screenshots in a row agree, so a window caught half painted does not count.
x_wait_dialog_window()
{
    local main=$1 deadline=$((SECONDS + X_WAIT_SECONDS)) last="" now
    while ((SECONDS < deadline)); do
        if x_measure_dialog_window "$main"; then
            now="$CHILD_X $CHILD_Y $CHILD_W $CHILD_H"
            [[ "$now" == "$last" ]] && return 0
            last=$now
        fi
        sleep 0.2
    done
    x_fail "no dialog window showed at the top-left of the workspace within $X_WAIT_SECONDS s"
}

# Ends what this session started, each by its own process id.
x_cleanup()
{
    if [[ -n "$X_APP_PID" ]] && kill -0 "$X_APP_PID" 2>/dev/null; then
        kill "$X_APP_PID" 2>/dev/null || true
        wait "$X_APP_PID" 2>/dev/null || true
    fi
    if [[ -n "$X_SERVER_PID" ]] && kill -0 "$X_SERVER_PID" 2>/dev/null; then
        kill "$X_SERVER_PID" 2>/dev/null || true
        wait "$X_SERVER_PID" 2>/dev/null || true
    fi
}
