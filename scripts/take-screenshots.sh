#!/usr/bin/env bash
# Retakes the README's screenshots in docs/screenshots/ from the real program, in a private X
# server (Xvfb) driven with xdotool: the main window with two example dialogs, the toolbox with
# Button armed, the property editor on a static text and the code window. Build first
# (scripts/build.sh); the build folder is the first argument, build/ by default.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
kovrin="$build/src/kovrin"
design_dump="$build/tests/e2e/design_dump"
out="$root/docs/screenshots"
# shellcheck source-path=SCRIPTDIR/..
source "$root/tests/e2e/x_session.sh"
# shellcheck source-path=SCRIPTDIR/..
source "$root/tests/e2e/designer_steps.sh"

for program in "$kovrin" "$design_dump"; do
    [[ -x "$program" ]] || { echo "no $program: build first (scripts/build.sh)" >&2; exit 2; }
done
x_need_tools Xvfb xdotool import convert || exit 2

X_WORK=$(mktemp -d "${TMPDIR:-/tmp}/kovrin-screenshots.XXXXXX")
X_ARTIFACTS="$build/screenshot-failure"
trap 'x_cleanup; rm -rf "$X_WORK"' EXIT
trap 'exit 1' INT TERM HUP

displays=${KOVRIN_E2E_DISPLAYS:-60-69}
# A large screen, so the main window holds both dialogs side by side with little overlap.
x_start_server "${displays%-*}" "${displays#*-}" 1920x1200x24 \
    || { echo "Xvfb could not start on any free display of :$displays" >&2; exit 1; }
x_app_environment
mkdir -p "$out" "$X_WORK/files"

# One window as docs/screenshots/NAME.png, without the dates ImageMagick would store, so that an
# unchanged window gives an unchanged file.
shoot()
{
    import -window "$1" -strip -define png:exclude-chunks=date,time "$out/$2.png"
}

# Two examples in one design file: the second one's version line goes.
design="$X_WORK/files/two dialogs.kvx"
cat "$root/examples/main_menu.kvx" >"$design"
tail -n +2 "$root/examples/message_box.kvx" >>"$design"

x_step "start with the two dialogs loaded"
x_start_app screenshots "$kovrin" "$design"
main=$(x_wait_window '^Kovrin v[0-9]' "main window")
toolbox=$(x_wait_window '^Controls Toolbox$' "Controls Toolbox")
x_wait_dialog_window "$main"

x_step "move the second dialog to the lower right by its title bar"
x_geometry "$main"
shift_x=$((WIN_W - CHILD_W - (CHILD_X - WIN_X) - 8))
shift_y=$((WIN_H - CHILD_H - (CHILD_Y - WIN_Y) - 40))
title_x=$((CHILD_X + CHILD_W / 3)) title_y=$(((CHILD_Y + CLIENT_Y) / 2))
xdotool mousemove $title_x $title_y mousedown 1 \
    mousemove $((title_x + shift_x / 2)) $((title_y + shift_y / 2)) \
    mousemove $((title_x + shift_x)) $((title_y + shift_y)) mouseup 1
# Off the dialogs, so no pointer shape or hover shows in the picture.
xdotool mousemove $((WIN_X + WIN_W - 20)) $((WIN_Y + WIN_H - 40))
sleep 0.5
shoot "$main" "main-window"

x_step "toolbox with Button armed"
arm_button
xdotool mousemove $((WIN_X + WIN_W + 50)) $((WIN_Y + WIN_H + 50))
sleep 0.3
shoot "$toolbox" "toolbox"
# "Cancel selection" below the grid (toolbox layout in twips / 15).
xdotool mousemove $((WIN_X + 66)) $((WIN_Y + 283)) click 1

x_step "property editor on the message text"
read -r text_x text_y < <("$design_dump" "$design" | awk -F'\t' '$3 == "msgText" { print $5, $6 }')
[[ -n "$text_x" ]] || x_fail "no msgText control in the example"
click_x=$(awk -v f="$text_x" -v w="$CHILD_W" -v at=$((CLIENT_X + shift_x)) 'BEGIN { print int(at + f * w) + 20 }')
click_y=$(awk -v f="$text_y" -v h="$CHILD_H" -v at=$((CLIENT_Y + shift_y)) 'BEGIN { print int(at + f * h) + 20 }')
xdotool mousemove "$click_x" "$click_y" click --repeat 2 --delay 80 1
editor=$(x_wait_window '^Control Properties$' "Control Properties")
sleep 0.5
shoot "$editor" "property-editor"
x_focus "$editor" || x_fail "the property editor would not take the keyboard focus"
xdotool key Escape
x_wait_gone "$editor" "Control Properties"

x_step "code window"
x_focus "$main" || x_fail "the main window would not take the keyboard focus"
xdotool key ctrl+g
code=$(x_wait_window "^Code to include" "code window")
sleep 0.5
shoot "$code" "code-window"
x_focus "$code" || x_fail "the code window would not take the keyboard focus"
xdotool key Escape
x_wait_gone "$code" "code window"

x_step "quit"
# The pictures are taken; should the program ask anything or hang here, the cleanup ends it.
x_focus "$main" && xdotool key --delay 100 alt+f q
x_find_gone "$main" 10 || x_log "the program did not end after File > Quit; ending it"
ls -l "$out"
