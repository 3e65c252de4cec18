#!/usr/bin/env bash
# End-to-end checks of the settings window: a double click on the clock's date opens it, each
# tab is photographed, Ctrl+Tab and Ctrl+Shift+Tab move between the tabs, Cancel saves the tab
# shown last, and a window stored beyond the screen's corner opens wholly on the screen.
#
#   settings.sh path/to/ZKTIME
#
# Screenshots e2e-settings-tab0.png ... tab5.png go to the current folder.
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"

readonly width=427 height=347  # 6405 x 5205 twips

# Prints the id of the mapped window with the program's title that is not the clock strip.
find_settings() {
    local deadline=$((SECONDS + 10)) id
    while ((SECONDS < deadline)); do
        for id in $(xdotool search --onlyvisible --name "$title" 2>/dev/null); do
            [[ $(xdotool getwindowgeometry --shell "$id" | grep WIDTH=) == "WIDTH=$width" ]] &&
                { echo "$id"; return 0; }
        done
        sleep 0.05
    done
    return 1
}

stored() { sqlite3 "$store" "SELECT value FROM settings WHERE section='$1' AND key='$2'"; }

start_clock
clock=$(find_window) || { fail "the clock did not appear"; finish; }
sleep 0.3
xdotool mousemove --window "$clock" 40 8 click --repeat 2 --delay 60 1
if sid=$(find_settings); then
    pass "a double click on the date opens the settings window"
else
    fail "no settings window after a double click on the date"
    finish
fi
corner=$(frame_origin "$sid")
size=$(xdotool getwindowgeometry --shell "$sid" |
    awk -F= '/^WIDTH/ {w = $2} /^HEIGHT/ {h = $2} END {print w "x" h}')
if [[ $corner == 0,0 && $size == "${width}x$height" ]]; then
    pass "settings window at 0,0, ${width}x$height on an empty store"
else
    fail "settings window's corner at $corner, size $size, wanted 0,0 ${width}x$height"
fi
if [[ $(xprop -id "$sid" _NET_WM_ICON) == *"Icon (16 x 16)"* ]]; then
    pass "the settings window carries the program icon"
else
    fail "no program icon on the settings window"
fi

# The tab captions stand in two rows of three, 22 pixels high; the row of the chosen tab is the
# lower one, next to the pages.
current=0
for tab in 0 1 2 3 4 5; do
    x=$((tab % 3 * width / 3 + 60))
    y=$((tab / 3 == current / 3 ? 33 : 11))
    current=$tab
    xdotool mousemove --window "$sid" "$x" "$y" click 1
    sleep 0.4
    shot="$out/e2e-settings-tab$tab.png"
    import -window root -crop "${width}x$height+0+0" +repage "$shot"
    if (($(differing_pixels "$shot" "${previous:-$shot}") != 0 || tab == 0)); then
        pass "tab $tab shows its own page ($shot)"
    else
        fail "tab $tab looks the same as the tab before it"
    fi
    previous=$shot
done

# From the last tab round to the second and back, then three back to the fifth (index 4).
xdotool key ctrl+Tab ctrl+Tab ctrl+shift+Tab ctrl+shift+Tab ctrl+shift+Tab
sleep 0.3

# Cancel: "キャンセル" at 3480, 4800 twips, 1335 x 310.
xdotool mousemove --window "$sid" $((3480 / 15 + 40)) $((4800 / 15 + 10)) click 1
sleep 0.5
if ! xdotool search --onlyvisible --name "$title" | grep -qx "$sid"; then
    pass "Cancel closes the settings window"
else
    fail "the settings window is still open after Cancel"
fi
if [[ $(stored set Tab) == 4 && $(stored ALM onoff1) == "" ]]; then
    pass "Ctrl+Tab and Ctrl+Shift+Tab moved to tab 4; Cancel stored it and nothing of the pages"
else
    fail "after Cancel: Tab='$(stored set Tab)', onoff1='$(stored ALM onoff1)'"
fi
if is_mapped "$clock" || find_window >/dev/null; then
    pass "the clock is back after the settings window closed"
else
    fail "no clock window after the settings window closed"
fi
stop_clock

# --- Stored beyond the screen's corner: the whole window, title bar included, on the screen --
seed_store "('set','OPENCheck','1')" "('set','tool1left','99999')" "('set','tool1top','99999')"
start_clock
clock=$(find_window) || { fail "the clock did not appear"; finish; }
xdotool mousemove --window "$clock" 40 8 click --repeat 2 --delay 60 1
sid=$(find_settings) || { fail "no settings window at a stored place off the screen"; finish; }
sleep 0.5
frame=$(frame_origin "$sid")
read -r fx fy <<<"${frame/,/ }"
read -r ox oy <<<"$(window_origin "$sid" | tr , ' ')"
# The frame reaches as far beyond the window on the right and at the bottom as on the left.
if ((fx >= 0 && fy >= 0 && ox + width + (ox - fx) <= 1024 && oy + height + (ox - fx) <= 768)); then
    pass "stored off the corner, the window and its frame lie on the screen (frame at $frame)"
else
    fail "stored off the corner, the frame is at $frame, the window at $ox,$oy"
fi
xdotool mousemove --window "$sid" $((2040 / 15 + 40)) $((4800 / 15 + 10)) click 1
sleep 0.5
xdotool search --onlyvisible --name "$title" | grep -qx "$sid" &&
    fail "OK did not close the settings window" || pass "its OK closes it"
stop_clock
finish
