#!/usr/bin/env bash
# shellcheck disable=SC2317  # functions called through check
# End-to-end checks of the calendar tab on the real keyboard: the dialog that LOCK opens takes the
# keyboard focus; a first password typed twice into it is stored and locks the notes; typed again
# on the calendar tab it releases them; a note typed after a double click on a day reaches the
# store. (xdotool types a character outside the keymap by remapping a key for it, and the first
# such key can reach Qt after the mapping is undone: the emoji password is left to tst_lock.)
#
#   calendar.sh path/to/ZKTIME        (ZK_E2E_WM=openbox: under openbox)
#
# Screenshots e2e-lock-dialog.png, e2e-calendar-month.png and e2e-calendar-input.png go to the
# current folder.
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"

readonly password=e2e-pass9
month=$(date +%Y/%m)
day=01 && [[ $(date +%d) == 01 ]] && day=03 # a day other than today
# Window coordinates of the centre of that day's cell: the grid of weeks starts on Sunday.
cell=$(($(date -d "$(date +%Y-%m-01)" +%w) + 10#$day - 1))
x=$(((360 + 480 * (cell % 7)) / 15 + 12)) y=$(((1320 + 240 * (cell / 7)) / 15 + 8))
press_lock() { click "$sid" 364 245 1; }
locked() { seen=$(stored set PW)/$(stored set LOCK) && [[ $seen == "$password/$1" ]]; }

seed_store "('set','OPENCheck','1')" "('set','Tab','5')"
start_clock
open_settings
press_lock # no password yet: the dialog opens, its focus on the new password
dialog=$(find_sized 265x166) || { fail "LOCK without a password opened no dialog"; finish; }
check "the password dialog takes the keyboard focus" retry 40 has_focus "$dialog"
xdotool type --delay 30 "$password"$'\t'"$password" # Tab goes on to the confirmation
import -window "$dialog" "$out/e2e-lock-dialog.png"
press Return
retry 40 not is_mapped "$dialog"
press_lock
check "a typed password is stored, and LOCK locks" retry 40 locked 1
press_lock
xdotool type --delay 30 "$password"
check "typing it on the calendar tab releases the lock" retry 40 locked 0

placed=$(geometry_of "$sid")
import -window "$sid" "$out/e2e-calendar-month.png"
double_click "$sid" "$x" "$y"
check "a double click on day $day opens the input area" \
    wait_geometry "$sid" "${placed% *} 427x394"
xdotool type --delay 20 "typed in e2e"
import -window "$sid" "$out/e2e-calendar-input.png"
press Return
check "Enter stored the note typed for day $day" retry 40 stored_as "$month/$day" 1 "typed in e2e"
stop_clock
finish
