#!/usr/bin/env bash
# Work survives the program being killed, end to end in a real X server: with autosave every 5
# seconds, insert a dialog and place a button, wait for the autosave, end the program with
# SIGKILL, start it again, answer Yes to "Recover unsaved work" and save. The saved file must hold
# the button, and a clean quit must leave nothing in the recovery folder.
#
# KOVRIN_E2E_DISPLAYS (default 70-79) is the range of display numbers tried.
set -euo pipefail
# shellcheck source-path=SCRIPTDIR
source "$(dirname "$0")/designer_steps.sh"
e2e_begin recovery-e2e 70-79 xdotool import convert

mkdir -p "$X_WORK/files" "$XDG_CONFIG_HOME/Kovrin"
design="$X_WORK/files/recovered design.kvx"
recovery="$XDG_DATA_HOME/Kovrin/Kovrin/recovery"
printf '[SETTINGS]\nAUTOSAVESECONDS=5\n' >"$XDG_CONFIG_HOME/Kovrin/Kovrin.conf"

# The recovery files in the folder, one a line.
recovery_files()
{
    find "$recovery" -maxdepth 1 -name '*.kvx' 2>/dev/null || true
}

# ---------------------------------------------------------------------------------------------
x_step "first start: a dialog with a button, never saved"
start_designer first
insert_dialog
place_button 150 100
placed_at=$SECONDS

x_step "wait for the autosave"
autosaved() { grep -qs '"BUTTON"' "$recovery"/*.kvx; }
x_until 15 "no recovery file holding the button within 15 s" autosaved
x_log "autosaved $((SECONDS - placed_at)) s after the button was placed: $(recovery_files)"

x_step "end the program with SIGKILL"
kill -KILL "$X_APP_PID"
wait "$X_APP_PID" 2>/dev/null || true
X_APP_PID=""
[[ -n "$(recovery_files)" ]] || x_fail "the recovery file did not outlive the program"

# ---------------------------------------------------------------------------------------------
x_step "second start: the question, answered Yes"
start_designer second
question=$(x_wait_window '^Recover unsaved work$' "Recover unsaved work")
x_screenshot "$X_ARTIFACTS/recover-question.png" || true
x_focus "$question" || x_fail "the question would not take the keyboard focus"
xdotool key alt+y
x_wait_gone "$question" "Recover unsaved work"
x_find_window '^Kovrin v[0-9.]+ BETA \*$' "$X_WAIT_SECONDS" >/dev/null \
    || x_fail "the main window's title does not show recovered, unsaved work"
x_wait_dialog_window "$main"

x_step "save with File > Save Dialogs As..."
save_as "$design"

x_step "quit with File > Quit"
quit_designer second
leftovers=$(find "$recovery" -maxdepth 1 -type f 2>/dev/null | paste -sd, -)
[[ -z "$leftovers" ]] || x_fail "a clean quit left '$leftovers' in the recovery folder"

# ---------------------------------------------------------------------------------------------
x_step "read the saved file back"
dump_file "$design"
dialogs=$(grep -c '^dialog' "$X_WORK/dump.txt" || true)
IFS=$'\t' read -r _ _ name ctrl_type _ <<<"$(grep '^control' "$X_WORK/dump.txt")"
[[ $dialogs -eq 1 ]] || x_fail "the file holds $dialogs dialogs, not 1"
[[ "$name" == BUTTON1 && "$ctrl_type" == BUTTON ]] \
    || x_fail "the file holds the control '$name' ($ctrl_type), not the button BUTTON1"

x_step "done"
x_log "passed"
