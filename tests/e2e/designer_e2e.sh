#!/usr/bin/env bash
# The designer end to end, in a real X server and driven only from outside as a user would:
# insert a dialog from the Edit menu, place a button from the toolbox, move it and widen it with
# the mouse, give it a text in the property editor, save through the file dialog and quit; start
# again, load the file, generate the code and copy it to the clipboard, then try to load a file of
# noise, which is refused with a WARNING and leaves the dialog and its file. Then the saved file is
# read back with the program's own reader, and the clipboard must hold what the command line
# generates from that file. A third run places four buttons, clicks two of them quickly (no
# editor opens), picks three with a rubber band, lines them up with Arrange > Align Left and takes
# that back with one Ctrl+Z; then F4 and a colour typed in the Properties panel reaches all three;
# then lays a new dialog out in the safe zone, places a button there and finds its place in the
# generated code written in the safe zone's terms; last it places a controls group, a button
# into it and moves the group: the button keeps its offset and its class sits in the group's;
# then it places a structured text, whose class derives from its own base in the code.
#
# KOVRIN_E2E_DISPLAYS (default 60-69) is the range of display numbers tried.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/designer_steps.sh"
e2e_begin e2e 60-69 xdotool xclip import convert iconv

mkdir -p "$X_WORK/files"
design="$X_WORK/files/e2e design.kvx" # a blank in the name, as users' file names have
code_title="Code to include in your mission's .ext file"

# Where the gestures go, in pixels of the design surface: the button is placed at (150, 100),
# grabbed 60 to the right of its left edge and dragged by (120, 60), then grabbed 2 to 3 pixels
# inside its right edge and dragged 100 to the right.
place_x=150 place_y=100
move_dx=120 move_dy=60
widen_by=100

# ---------------------------------------------------------------------------------------------
x_step "first start"
start_designer first

x_step "insert a dialog with Edit > Insert new dialog"
insert_dialog
outer_w=$CHILD_W
outer_h=$CHILD_H

x_step "arm Button in the toolbox and place the button with a click on the surface"
place_button "$place_x" "$place_y"

x_step "move the button by its inside"
left=$place_x top=$place_y
grab_x=$((CLIENT_X + left + 60)) grab_y=$((CLIENT_Y + top + 10))
drag $grab_x $grab_y $((grab_x + move_dx)) $((grab_y + move_dy))
left=$((left + move_dx)) top=$((top + move_dy))

x_step "widen the button by its right band"
# A new button is 0.2 of the dialog window wide; the right band is the 80 twips (5.3 pixels)
# inside its right edge.
band_x=$(awk -v w="$outer_w" 'BEGIN { print int(0.2 * w) - 2 }')
grab_x=$((CLIENT_X + left + band_x)) grab_y=$((CLIENT_Y + top + 10))
drag $grab_x $grab_y $((grab_x + widen_by)) $grab_y

x_step "open the property editor with two clicks on the button"
editor=""
for attempt in 1 2 3; do
    xdotool mousemove $((CLIENT_X + left + 40)) $((CLIENT_Y + top + 10)) click --repeat 2 --delay 150 1
    editor=$(x_find_window '^Control Properties$' 8) && break
    x_log "no editor after two clicks (attempt $attempt)"
done
[[ -n "$editor" ]] || x_fail "two clicks on the button did not open 'Control Properties'"

x_step "type the button's text into the property editor and press Enter"
x_focus "$editor" || x_fail "the property editor would not take the keyboard focus"
# The focus starts in Name; for a button the fields after it are IDc, Width, Height, Font,
# Font Size, Style and Text (Multiline, Shadow and Line Spacing are disabled).
xdotool key --delay 60 Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 40 "Start Game"
xdotool key Return
x_wait_gone "$editor" "Control Properties"
# No window manager runs here: the program itself must give the focus back.
main_has_focus() { [[ "$(xdotool getwindowfocus 2>/dev/null)" == "$main" ]]; }
x_until 5 "the keyboard focus did not come back to the main window" main_has_focus

x_step "save with File > Save Dialogs As..."
save_as "$design"

x_step "quit with File > Quit"
quit_designer first
grep -rqs '^VIEWGRID=1' "$XDG_CONFIG_HOME" \
    || x_fail "quitting did not keep the grid setting VIEWGRID=1 in $XDG_CONFIG_HOME"

# ---------------------------------------------------------------------------------------------
x_step "second start"
start_designer second

x_step "load the file with Ctrl+L"
file_dialog "Load Dialog" "$design" ctrl+l

x_step "generate the code with Ctrl+G"
# A message after loading (values the reader had to replace) is noted, answered and the
# command given again; any other window instead of the code window fails the run.
code_window="" load_messages=0
while [[ -z "$code_window" ]]; do
    x_focus "$main" || true
    xdotool key ctrl+g
    found=$(x_wait_other_window "the code window")
    id=${found%%$'\t'*} name=${found#*$'\t'}
    if [[ "$name" == "$code_title" ]]; then
        code_window=$id
    elif [[ "$name" == "WARNING" && $load_messages -eq 0 ]]; then
        load_messages=1
        x_screenshot "$X_ARTIFACTS/load-message.png" || true
        x_log "NOTE: a WARNING message came up after loading (screenshot load-message.png);" \
            "answering it with OK"
        x_focus "$id" || true
        xdotool key Return
        x_wait_gone "$id" "WARNING"
    else
        x_fail "'$name' came up instead of the code window"
    fi
done

x_step "copy the code with the Copy to Clipboard button"
expected="$X_WORK/files/expected-code.txt" clipboard="$X_WORK/files/clipboard.txt"
"$kovrin" generate "$design" 2>"$X_WORK/generate.err" | iconv -f WINDOWS-1252 -t UTF-8 \
    | tr -d '\r' >"$expected" \
    || x_fail "'kovrin generate' failed on the saved file: $(cat "$X_WORK/generate.err")"
x_focus "$code_window" || x_fail "the code window would not take the keyboard focus"
# The focus starts in the code; Copy to Clipboard and then Close Window follow it.
xdotool key --delay 100 Tab space
# Compared line by line: the clipboard has no CR and may lack the last line break.
clipboard_holds_code()
{
    timeout 10 xclip -selection clipboard -o >"$clipboard" 2>/dev/null || true
    diff -q <(printf '%s\n' "$(cat "$expected")") <(printf '%s\n' "$(cat "$clipboard")") >/dev/null
}
x_until "$X_WAIT_SECONDS" "the clipboard does not hold the code 'kovrin generate' prints" \
    clipboard_holds_code
x_log "the clipboard holds the generated code ($(wc -l <"$clipboard") lines)"

x_step "close the code window with Close Window"
# Copying gives the focus back to the code; Close Window comes after Copy to Clipboard.
xdotool key --delay 100 Tab Tab space
x_wait_gone "$code_window" "$code_title"

x_step "the loaded dialog shows in the workspace"
x_wait_dialog_window "$main"
[[ $CHILD_W -eq $outer_w && $CHILD_H -eq $outer_h ]] \
    || x_fail "the loaded dialog window is ${CHILD_W}x${CHILD_H}, not ${outer_w}x${outer_h}"

x_step "load a file of noise: one WARNING, and the dialog and its file stay"
noise="$X_WORK/files/noise.kvx"
head -c 300 /dev/urandom >"$noise"
file_dialog "Load Dialog" "$noise" ctrl+l
warning=$(x_wait_window '^WARNING$' "the WARNING that the file is no design")
x_focus "$warning" || true
xdotool key Return
x_wait_gone "$warning" "WARNING"
title=$(xdotool getwindowname "$main")
[[ "$title" == *" - e2e design.kvx" ]] || x_fail "after the refused load the title is '$title'"
x_wait_dialog_window "$main"
[[ $CHILD_W -eq $outer_w && $CHILD_H -eq $outer_h ]] \
    || x_fail "after the refused load the dialog window is ${CHILD_W}x${CHILD_H}"

x_step "quit the second run with File > Quit"
quit_designer second

# ---------------------------------------------------------------------------------------------
x_step "read the saved file back"
dump_file "$design"
if grep -q '^problem' "$X_WORK/dump.txt"; then
    x_log "NOTE: the reader replaced $(grep -c '^problem' "$X_WORK/dump.txt") values of the" \
        "saved file, for example: $(grep -m 1 '^problem' "$X_WORK/dump.txt" | cut -f2)"
fi
dialogs=$(grep -c '^dialog' "$X_WORK/dump.txt" || true)
controls=$(grep -c '^control' "$X_WORK/dump.txt" || true)
[[ $dialogs -eq 1 && $controls -eq 1 ]] \
    || x_fail "the file holds $dialogs dialogs and $controls controls, not 1 and 1"
IFS=$'\t' read -r _ dialog_name _ <<<"$(grep '^dialog' "$X_WORK/dump.txt")"
IFS=$'\t' read -r _ owner name ctrl_type x y width height text \
    <<<"$(grep '^control' "$X_WORK/dump.txt")"
x_log "saved: dialog $dialog_name; control $name ($ctrl_type) X=$x Y=$y Width=$width" \
    "Height=$height Text='$text'"
[[ "$dialog_name $owner $name $ctrl_type $text" == "DIALOG1 DIALOG1 BUTTON1 BUTTON Start Game" ]] \
    || x_fail "the file does not hold the button BUTTON1 with the text 'Start Game' in DIALOG1"

# Fractions of the dialog window's outer size; a pixel of slack either way for the pointer.
near()
{
    awk -v got="$1" -v want="$2" -v slack="$3" \
        'BEGIN { d = got - want; if (d < 0) d = -d; exit !(d <= slack) }'
}
want_x=$(awk -v p=$((place_x + move_dx)) -v w="$outer_w" 'BEGIN { print p / w }')
want_y=$(awk -v p=$((place_y + move_dy)) -v h="$outer_h" 'BEGIN { print p / h }')
want_width=$(awk -v p=$((band_x + widen_by)) -v w="$outer_w" 'BEGIN { print p / w }')
slack_x=$(awk -v w="$outer_w" 'BEGIN { print 1.5 / w }')
slack_y=$(awk -v h="$outer_h" 'BEGIN { print 1.5 / h }')
awk -v x="$x" -v p="$place_x" -v w="$outer_w" 'BEGIN { exit !(x > p / w) }' \
    || x_fail "X is $x: the drag did not move the button right of where it was placed"
near "$x" "$want_x" "$slack_x" || x_fail "X is $x, not about $want_x after the drag"
near "$y" "$want_y" "$slack_y" || x_fail "Y is $y, not about $want_y after the drag"
near "$width" 0.2 0.0001 && x_fail "Width is still the default 0.2 after the resize"
near "$width" "$want_width" "$slack_x" || x_fail "Width is $width, not about $want_width"
near "$height" 0.04 0.000001 || x_fail "Height is $height; widening must keep 0.04"

# ---------------------------------------------------------------------------------------------
x_step "third start: four buttons, three of them lined up at once"
start_designer third
insert_dialog
place_button 100 100
place_button 150 160
place_button 200 220
place_button 500 350

x_step "a quick click on each of two buttons opens no editor"
xdotool mousemove $((CLIENT_X + 140)) $((CLIENT_Y + 110)) click 1 \
    mousemove $((CLIENT_X + 190)) $((CLIENT_Y + 170)) click 1
if x_find_window '^Control Properties$' 2 >/dev/null; then
    x_fail "two clicks on two different buttons opened 'Control Properties'"
fi

x_step "draw a rubber band around the first three and choose Arrange > Align Left"
drag $((CLIENT_X + 60)) $((CLIENT_Y + 60)) $((CLIENT_X + 380)) $((CLIENT_Y + 260))
focus_main
xdotool key --delay 150 alt+a l
aligned="$X_WORK/files/aligned.kvx"
save_as "$aligned"

x_step "one Ctrl+Z puts all three back"
focus_main
xdotool key ctrl+z
restored="$X_WORK/files/restored.kvx"
save_as "$restored"

x_step "F4 and the foreground's red of the three picked buttons in the Properties panel"
focus_main
xdotool key F4
# The focus starts in Name; for buttons the fields after it are IDc, Width, Height, Font,
# Font Size, Style, Text and then the foreground's red.
xdotool key --delay 60 Tab Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 40 "0.5"
xdotool key Return
coloured="$X_WORK/files/coloured.kvx"
save_as "$coloured"

x_step "a dialog laid out in the safe zone: Arrange > Dialog Layout > Safe Zone, a button, Ctrl+G"
insert_dialog
focus_main
xdotool key --delay 150 alt+a y z
place_button 100 100
safe_zone="$X_WORK/files/safe zone.kvx"
save_as "$safe_zone"
focus_main
xdotool key ctrl+g
code_window=$(x_wait_window "^$code_title\$" "the code window")
x_focus "$code_window" || x_fail "the code window would not take the keyboard focus"
xdotool key --delay 100 Tab space
clipboard_holds_safe_zone()
{
    timeout 10 xclip -selection clipboard -o >"$clipboard" 2>/dev/null || true
    grep -q '\* safezoneW + safezoneX' "$clipboard"
}
x_until "$X_WAIT_SECONDS" "the code of the safe-zone dialog holds no '* safezoneW + safezoneX'" \
    clipboard_holds_safe_zone
x_log "the safe-zone button's X: $(grep -m 1 'safezoneX' "$clipboard" | tr -d '\r')"
xdotool key --delay 100 Tab Tab space
x_wait_gone "$code_window" "$code_title"

x_step "a controls group: place it, place a button into it, move the group by its background"
insert_dialog
group_w=$(awk -v w="$CHILD_W" 'BEGIN { print int(0.4 * w) }') # a new group's size
group_h=$(awk -v h="$CHILD_H" 'BEGIN { print int(0.3 * h) }')
place_group 60 60
place_button 80 80 # its top-left point inside the group: the group's control
grouped_before="$X_WORK/files/grouped before.kvx"
save_as "$grouped_before"
# Grabbed on the group's own background, well inside its edges and below the button.
grab_x=$((CLIENT_X + 60 + group_w - 12)) grab_y=$((CLIENT_Y + 60 + group_h - 12))
drag $grab_x $grab_y $((grab_x + 100)) $((grab_y + 50))
grouped="$X_WORK/files/grouped.kvx"
save_as "$grouped"
arm_structured_text # one of the newer game's kinds, below the group
xdotool mousemove $((CLIENT_X + CHILD_W - 300)) $((CLIENT_Y + CHILD_H - 100)) click 1
x_until "$X_WAIT_SECONDS" "the toolbox was still armed after the click on the surface" toolbox_idle
newer="$X_WORK/files/newer.kvx"
save_as "$newer"
quit_designer third

# The X of each button, in the order of the file.
x_of_buttons()
{
    "$design_dump" "$1" | awk -F'\t' '$1 == "control" { print $5 }'
}
mapfile -t aligned_x < <(x_of_buttons "$aligned")
mapfile -t restored_x < <(x_of_buttons "$restored")
x_log "X after Align Left: ${aligned_x[*]}; after Ctrl+Z: ${restored_x[*]}"
[[ ${#aligned_x[@]} -eq 4 && ${#restored_x[@]} -eq 4 ]] \
    || x_fail "the files hold ${#aligned_x[@]} and ${#restored_x[@]} buttons, not 4 and 4"
[[ "${aligned_x[1]}" == "${aligned_x[0]}" && "${aligned_x[2]}" == "${aligned_x[0]}" ]] \
    || x_fail "Align Left left the three buttons at X ${aligned_x[*]:0:3}"
[[ "${aligned_x[3]}" == "${restored_x[3]}" ]] \
    || x_fail "Align Left moved the fourth button, not picked, to X ${aligned_x[3]}"
for i in 0 1 2; do
    near "${restored_x[$i]}" "$(awk -v p=$((100 + 50 * i)) -v w="$outer_w" 'BEGIN { print p / w }')" \
        "$slack_x" || x_fail "after Ctrl+Z button $((i + 1)) stands at X ${restored_x[$i]}"
done

reds=$("$kovrin" generate "$coloured" | grep -c 'colorText\[\] = {0.5,' || true)
x_log "controls with the red typed in the panel: $reds"
[[ $reds -eq 3 ]] || x_fail "$reds controls, not the three picked buttons, took the red 0.5"

x_step "the moved group's button: its offset kept, its class inside the group's class Controls"
# NAME CTRLTYPE X Y of each control of the last dialog, in the order of the file.
controls_of_last_dialog()
{
    "$design_dump" "$1" | awk -F'\t' '$1 == "dialog" { n = 0; delete rows }
        $1 == "control" { rows[++n] = $3 " " $4 " " $5 " " $6 }
        END { for (i = 1; i <= n; i++) print rows[i] }'
}
mapfile -t before_rows < <(controls_of_last_dialog "$grouped_before")
mapfile -t after_rows < <(controls_of_last_dialog "$grouped")
x_log "before the move: ${before_rows[*]}; after: ${after_rows[*]}"
[[ ${#after_rows[@]} -eq 2 ]] || x_fail "the dialog holds ${#after_rows[@]} controls, not 2"
read -r group_name group_type group_x _ <<<"${after_rows[0]}"
read -r button_name button_type button_x button_y <<<"${after_rows[1]}"
read -r _ _ before_group_x _ <<<"${before_rows[0]}"
read -r _ _ before_button_x before_button_y <<<"${before_rows[1]}"
[[ "$group_type $button_type" == "GROUP BUTTON" ]] \
    || x_fail "the dialog holds $group_type and $button_type, not a GROUP and a BUTTON"
near "$group_x" "$(awk -v x="$before_group_x" -v w="$outer_w" 'BEGIN { print x + 100 / w }')" \
    "$slack_x" || x_fail "the group stands at X $group_x after the drag, from $before_group_x"
[[ "$button_x $button_y" == "$before_button_x $before_button_y" ]] \
    || x_fail "the button's offset went from $before_button_x $before_button_y to" \
        "$button_x $button_y when its group moved"
near "$button_x" "$(awk -v w="$outer_w" 'BEGIN { print 20 / w }')" "$slack_x" \
    || x_fail "the button's X $button_x is no offset from its group's corner"
"$kovrin" generate "$grouped" >"$X_WORK/grouped.hpp" 2>"$X_WORK/generate.err" \
    || x_fail "'kovrin generate' failed on the grouped file: $(cat "$X_WORK/generate.err")"
# The button's class comes after the group's class Controls, deeper than the group's class.
awk -v g="$group_name" -v b="$button_name" '
    match($0, "class " g "([ :{]|$)") && !depth { depth = RSTART; next }
    depth && /class Controls/ { controls = 1; next }
    controls && match($0, "class " b "([ :{]|$)") { inside = RSTART > depth; exit }
    END { exit !inside }' "$X_WORK/grouped.hpp" \
    || x_fail "the class $button_name is not inside the class Controls of $group_name"

x_step "the structured text's class derives from its own base, which the code defines once"
"$kovrin" generate "$newer" >"$X_WORK/newer.hpp" 2>"$X_WORK/generate.err" \
    || x_fail "'kovrin generate' failed on the newer kind's file: $(cat "$X_WORK/generate.err")"
[[ $(grep -c '^class KovrinStructuredText' "$X_WORK/newer.hpp") == 1 ]] \
    || x_fail "the code does not define KovrinStructuredText once"
grep -q ' : KovrinStructuredText' "$X_WORK/newer.hpp" \
    || x_fail "no class of the code derives from KovrinStructuredText"

x_step "done"
x_log "passed"
