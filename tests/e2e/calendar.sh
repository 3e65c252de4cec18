#!/usr/bin/env bash
# End-to-end checks of the calendar: today's notes greet the user at start in the sliding window,
# opening the settings window closes it, a note typed on the calendar tab reaches the store, a
# click on the note already chosen offers 削除 again, and a note that a full disk refused stays
# typed for another try.
#
#   calendar.sh path/to/ZKTIME
#
# Screenshots e2e-today-view.png and e2e-calendar-*.png go to the current folder.
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"

month=$(date +%Y/%m)
day=01 && [[ $(date +%d) == 01 ]] && day=03 # a day other than today, which has notes
first=$(($(date -d "$(date +%Y-%m-01)" +%w) + 1)) # weekday of the 1st, Sunday = 1
# Window coordinates of the centre of the cell of day $1 of this month.
cell() {
    local i=$((first + $1 - 2))
    echo $(((360 + 480 * (i % 7)) / 15 + 12)) $(((1320 + 240 * (i / 7)) / 15 + 8))
}

mkdir -m 0700 "$store_dir"
(umask 077 && sqlite3 "$store" \
    "CREATE TABLE settings(section TEXT NOT NULL COLLATE NOCASE, key TEXT NOT NULL COLLATE NOCASE,
                           value TEXT NOT NULL, PRIMARY KEY(section, key));
     INSERT INTO settings VALUES('set','OPENCheck','0'), ('set','Tab','5'),
       ('$month/02','Color','255'), ('$(date +%Y/%m/%d)','1','E2E meeting 10:00'),
       ('$(date +%Y/%m/%d)','2','E2E dentist');") ||
    fail "could not seed the store"

start_clock
clock=$(find_window) || { fail "the clock did not appear"; finish; }
view=$(find_sized 484x135) || { fail "no today's-notes window (484x135) at start"; finish; }
sleep 1.5 # the animation takes 61 ticks of 10 ms
shot="$out/e2e-today-view.png"
shoot 484x135+270+316 "$shot"
# At rest the grey list (#404040) fills x 10 to 475, y 24 to 108, with the notes in white.
white=$(convert "$shot" -crop 460x80+12+26 +repage -threshold 90% \
    -format '%[fx:int(mean*w*h)]' info:)
if near "$(pixel "$shot" 470 100)" "64 64 64" 8 && ((white > 50)); then
    pass "the today's-notes window came to rest, centred, with today's notes ($shot)"
else
    fail "no list of notes at rest in the centre of the screen (see $shot)"
fi

xdotool mousemove --window "$clock" 40 8 click --repeat 2 --delay 60 1
sid=$(find_sized 427x347) || { fail "no settings window after a double click on the date"; finish; }
sleep 0.5
IFS=, read -r sx sy < <(window_origin "$sid")
# The place xdotool reports, which wait_geometry compares; under a window manager it is not
# the window's own corner.
placed=$(xdotool getwindowgeometry --shell "$sid" | awk -F= '/^X=/ {x = $2} /^Y=/ {y = $2} END {print x "," y}')
xdotool search --onlyvisible --class ZKTIME | grep -qx "$view" &&
    fail "the today's-notes window is still open" || pass "opening the settings window closed it"
shoot "427x347+$sx+$sy" "$out/e2e-calendar-month.png"

read -r x y < <(cell $((10#$day)))
xdotool mousemove --window "$sid" "$x" "$y" click --repeat 2 --delay 60 1
wait_geometry "$sid" "$placed 427x394" && pass "a double click on day $day opens the input area" ||
    fail "settings window at $geometry after the double click, wanted $placed 427x394"
xdotool type --delay 20 "typed in e2e"
shoot "427x394+$sx+$sy" "$out/e2e-calendar-input.png"
xdotool key Return
sleep 0.5
note=$(stored "$month/$day" 1) colour=$(stored "$month/$day" Color)
[[ $note == "typed in e2e" && $colour == 65535 ]] && pass "Enter stored the note of day $day" ||
    fail "after Enter: note '$note', colour '$colour' under $month/$day"

# The note already chosen offers 削除 again after a No, just above the list.
button_shown() { ! near "$(screen_pixel $((sx + 200)) $((sy + 204)))" "0 0 0" 10; }
xdotool mousemove --window "$sid" 60 224 click 1
sleep 0.3
button_shown || fail "a click on the note does not show 削除"
xdotool key Return  # 削除 is the default button: it asks, and Escape answers No
sleep 0.5
xdotool key Escape
sleep 0.3
xdotool mousemove --window "$sid" 60 224 click 1
sleep 0.3
button_shown && pass "a click on the note already chosen shows 削除 again" ||
    fail "after No, a click on the chosen note does not show 削除"
shoot "427x347+$sx+$sy" "$out/e2e-calendar-delete.png"

# For the eye: the date-colour menu, then the same month a year later.
read -r x y < <(cell 2)
xdotool mousemove --window "$sid" "$x" "$y" click 3
sleep 0.4
shoot 600x420+0+0 "$out/e2e-calendar-menu.png"
xdotool key Escape mousemove --window "$sid" 295 75 click 1 # "≫"
sleep 0.4
shoot "427x394+$sx+$sy" "$out/e2e-calendar-other-month.png"
stop_clock

# --- A full disk: the note is refused, told, stays typed, and goes in once there is room ------
full=$tmp/full
mkdir -p "$full"
if ! mount -t tmpfs -o size=256k tmpfs "$full" 2>/dev/null; then
    echo "SKIP: a full disk needs a small tmpfs, and mount is not allowed here"
    finish
fi
trap 'stop_clock; umount "$full" 2>/dev/null; cleanup' EXIT
mkdir -p -m 0700 "$full/ZORVEK Inc.TIME"
sqlite3 "$store" "UPDATE settings SET value='1' WHERE key='OPENCheck'"
cp "$store" "$full/ZORVEK Inc.TIME/"
XDG_CONFIG_HOME=$full start_clock
clock=$(find_window) || { fail "the clock did not appear on the small disk"; finish; }
dd if=/dev/zero of="$full/filler" bs=4k 2>/dev/null
xdotool mousemove --window "$clock" 40 8 click --repeat 2 --delay 60 1
sid=$(find_sized 427x347) || { fail "no settings window on the full disk"; finish; }
sleep 0.5
read -r x y < <(cell $((10#$day)))
xdotool mousemove --window "$sid" "$x" "$y" click --repeat 2 --delay 60 1
sleep 0.3
xdotool type --delay 20 "on a full disk"
xdotool key Return
sleep 0.8
shoot 1024x768+0+0 "$out/e2e-calendar-full-disk.png"
xdotool key Return  # the message's OK
sleep 0.3
rm -f "$full/filler"
xdotool key Return  # 追加 again, on the text still typed
sleep 0.5
stop_clock
notes=$(sqlite3 "$full/ZORVEK Inc.TIME/settings.db" "SELECT group_concat(value, '|') FROM settings WHERE section='$month/$day' AND key <> 'Color'")
[[ $notes == "typed in e2e|on a full disk" ]] &&
    pass "a note refused by a full disk stayed typed and went in once there was room" ||
    fail "after a full disk and a retry, the notes of $month/$day are '$notes'"
finish
