#!/usr/bin/env bash
# End-to-end checks of the lock: a first password typed into the dialog, the notes locked, still
# locked after a restart (the today's-notes window shows its notice), and released by typing the
# password on the calendar tab.
#
#   lock.sh path/to/ZKTIME      (screenshots e2e-lock-*.png go to the current folder)
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"

readonly password=e2e-Pass9
open_settings() {
    clock=$(find_window) || { fail "the clock did not appear"; finish; }
    xdotool mousemove --window "$clock" 40 8 click --repeat 2 --delay 60 1
    sid=$(find_sized 427x347) || { fail "no settings window"; finish; }
    sleep 0.3
}
press_lock() { xdotool mousemove --window "$sid" 364 245 click 1 && sleep 0.4; }
lamp_lit() {
    local x y
    IFS=, read -r x y < <(window_origin "$sid")
    shoot "427x347+$x+$y" "$out/$1" && near "$(pixel "$out/$1" 341 244)" "0 255 0" 40
}

seed_store "('set','Tab','5'), ('$(date +%Y/%m/%d)','1','E2E secret meeting')"
start_clock
open_settings
press_lock # no password yet: the dialog opens, its focus on the new password
find_sized 265x166 >/dev/null || { fail "LOCK without a password opened no dialog"; finish; }
xdotool type --delay 30 "$password" && xdotool key Tab && xdotool type --delay 30 "$password"
shoot 432x300+0+0 "$out/e2e-lock-dialog.png"
xdotool key Return && sleep 0.4
press_lock
[[ $(stored set PW) == "$password" && $(stored set LOCK) == 1 ]] && lamp_lit e2e-lock-locked.png &&
    pass "a typed first password was stored, and LOCK locked" ||
    fail "after the dialog and LOCK: PW '$(stored set PW)', LOCK '$(stored set LOCK)'"

stop_clock
start_clock
find_sized 484x135 >/dev/null || { fail "no today's-notes window after the restart"; finish; }
sleep 1.5 # the animation comes to rest
shoot 484x135+270+316 "$out/e2e-lock-today-view.png"
# Where the grey list of notes would stand, only the black window shows.
near "$(pixel "$out/e2e-lock-today-view.png" 470 100)" "0 0 0" 8 &&
    pass "after a restart the today's-notes window hides the notes" ||
    fail "the today's-notes window shows its list while locked (see e2e-lock-today-view.png)"

open_settings
press_lock
xdotool type --delay 30 "${password:0:4}" && sleep 0.3
lamp_lit e2e-lock-prompt.png && [[ $(stored set LOCK) == 1 ]] || fail "not locked while typing"
xdotool type --delay 30 "${password:4}" && sleep 0.4
[[ $(stored set LOCK) == 0 ]] && ! lamp_lit e2e-lock-released.png &&
    pass "typing the password on the calendar tab released the lock" ||
    fail "after typing the password: LOCK '$(stored set LOCK)'"
stop_clock
finish
