# shellcheck shell=bash
# The start of both end-to-end runs and the designer's own steps, driven from outside as a user
# would. Sourced by a run with its arguments KOVRIN DESIGN_DUMP ARTIFACT_FOLDER; the run exits 0
# passed, 1 failed (with a screenshot in ARTIFACT_FOLDER) or 77 skipped (no X server could be
# started); scripts/take-screenshots.sh names the programs itself. start_designer sets main and
# toolbox, the window ids.

if [[ $# -ge 3 ]]; then
    kovrin=$1 design_dump=$2 X_ARTIFACTS=$3
fi
# shellcheck source-path=SCRIPTDIR
source "$(dirname "${BASH_SOURCE[0]}")/x_session.sh"
main_title='^Kovrin v[0-9]'

# The start of an end-to-end run: a private work folder (X_WORK, named after NAME) removed at the
# end, an empty artifact folder, the tools, an X server on the first free display of
# KOVRIN_E2E_DISPLAYS (default DISPLAYS, so a run never takes the number of a server a
# developer already uses) and the program's private environment. Exits 77 (skipped) when no X
# server can be started.
e2e_begin()
{
    local name=$1 displays=${KOVRIN_E2E_DISPLAYS:-$2}
    shift 2
    X_WORK=$(mktemp -d "${TMPDIR:-/tmp}/kovrin-$name.XXXXXX")
    trap 'x_cleanup; rm -rf "$X_WORK"' EXIT
    trap 'exit 1' INT TERM HUP
    rm -rf "$X_ARTIFACTS"
    mkdir -p "$X_ARTIFACTS"
    if ! command -v Xvfb >/dev/null 2>&1; then
        echo "SKIPPED: Xvfb is not installed (scripts/install-deps.sh installs it)"
        exit 77
    fi
    x_need_tools "$@" || exit 1
    if ! x_start_server "${displays%-*}" "${displays#*-}"; then
        echo "SKIPPED: Xvfb could not start on any free display of :${displays}"
        [[ -z "$X_SERVER_LOG" ]] || tail -n 5 "$X_SERVER_LOG" || true
        exit 77
    fi
    x_log "X server on $DISPLAY"
    x_app_environment
}

start_designer()
{
    x_start_app "$1" "$kovrin"
    main=$(x_wait_window "$main_title" "main window")
    toolbox=$(x_wait_window '^Controls Toolbox$' "Controls Toolbox")
}

focus_main()
{
    x_focus "$main" || x_fail "the main window would not take the keyboard focus"
}

# Presses Enter in a file dialog whose name field holds a path. The name field's completer may
# take the first Enter for itself; then the dialog is still open and gets another.
accept_file_dialog()
{
    local id=$1 what=$2
    for _ in 1 2 3; do
        xdotool key Return
        x_find_gone "$id" 3 && return 0
        x_log "the $what dialog is still open; pressing Enter again"
    done
    x_fail "the $what dialog did not accept the typed file name"
}

# File > Quit, then waits for the program to end. Should it ask about unsaved work (the file was
# just saved, so it should not), the question is answered with its default button and noted.
quit_designer()
{
    local run=$1 deadline answered=" " id name status=0 n=0
    focus_main
    xdotool key --delay 100 alt+f q
    deadline=$((SECONDS + X_WAIT_SECONDS))
    while x_app_running && ((SECONDS < deadline)); do
        while IFS=$'\t' read -r id name; do
            [[ -z "$id" || "$answered" == *" $id "* ]] && continue
            n=$((n + 1))
            x_screenshot "$X_ARTIFACTS/quit-$run-question-$n.png" || true
            x_log "NOTE: quitting asked '$name' (screenshot quit-$run-question-$n.png);" \
                "answering with its default button"
            answered+="$id "
            x_focus "$id" || true
            xdotool key Return
        done < <(x_other_windows)
        sleep 0.1
    done
    x_app_running && x_fail "the program did not end within $X_WAIT_SECONDS s of File > Quit"
    wait "$X_APP_PID" || status=$?
    X_APP_PID=""
    [[ $status -eq 0 ]] || x_fail "the program ended with status $status"
}
# Edit > Insert new dialog; CHILD_* and CLIENT_* then tell where its window and surface are.
insert_dialog()
{
    focus_main
    xdotool key --delay 100 alt+e i
    x_wait_dialog_window "$main"
    x_log "dialog window ${CHILD_W}x${CHILD_H} at ($CHILD_X, $CHILD_Y), surface at" \
        "($CLIENT_X, $CLIENT_Y)"
}

toolbox_armed() { (($(x_yellow_pixels "$toolbox") > 100)); }
toolbox_idle() { (($(x_yellow_pixels "$toolbox") == 0)); }

# Arms a kind in the toolbox: a click on its button at (X, Y) pixels of the toolbox window, and
# it turns yellow. The buttons are 570 x 480 twips in columns from left 60 and rows from top 180;
# 15 twips to the pixel.
arm_kind()
{
    x_geometry "$toolbox"
    xdotool mousemove $((WIN_X + $1)) $((WIN_Y + $2)) click 1
    x_until "$X_WAIT_SECONDS" "the $3 button of the toolbox did not turn yellow" toolbox_armed
}

# "Button" is row 2, column 1.
arm_button() { arm_kind 23 60 Button; }

# The controls group, the tenth kind, opens row 4 under the nine: column 1.
arm_group() { arm_kind 23 124 "Controls group"; }

# "Structured text", the first of the newer game's kinds, stands beside the group: column 2.
arm_structured_text() { arm_kind 66 124 "Structured text"; }

# Arms the controls group and places one with a click at (X, Y) of the surface.
place_group()
{
    arm_group
    xdotool mousemove $((CLIENT_X + $1)) $((CLIENT_Y + $2)) click 1
    x_until "$X_WAIT_SECONDS" "the toolbox was still armed after the click on the surface" \
        toolbox_idle
}

# Arms Button and places a button with a click at (X, Y) of the surface.
place_button()
{
    arm_button
    xdotool mousemove $((CLIENT_X + $1)) $((CLIENT_Y + $2)) click 1
    x_until "$X_WAIT_SECONDS" "the toolbox was still armed after the click on the surface" \
        toolbox_idle
}

# Drags with the left button from (X1, Y1) to (X2, Y2) on the screen, by way of the half-way point.
drag()
{
    xdotool mousemove "$1" "$2" mousedown 1 mousemove $((($1 + $3) / 2)) $((($2 + $4) / 2)) \
        mousemove "$3" "$4" mouseup 1
}

# Opens the file dialog TITLE with KEYS... in the main window and gives it the path FILE.
file_dialog()
{
    local title=$1 file=$2 id
    focus_main
    xdotool key --delay 100 "${@:3}"
    id=$(x_wait_window "^$title\$" "$title")
    x_focus "$id" || x_fail "the $title dialog would not take the keyboard focus"
    xdotool type --delay 20 "$file"
    accept_file_dialog "$id" "$title"
}

# File > Save Dialogs As... into FILE, waiting until it is written and failing on any message.
save_as()
{
    file_dialog 'Save As...' "$1" alt+f a
    x_until "$X_WAIT_SECONDS" "no file '$1' after Save As" written_without_message "$1"
}

written_without_message()
{
    local others
    others=$(x_other_windows | cut -f2 | paste -sd, -)
    [[ -z "$others" ]] || x_fail "saving showed '$others' instead of writing the file"
    [[ -s "$1" ]]
}

# Reads a saved FILE with the program's own reader into dump.txt.
dump_file()
{
    "$design_dump" "$1" >"$X_WORK/dump.txt" || x_fail "the saved file cannot be read"
}
