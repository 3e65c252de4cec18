#!/usr/bin/env bash
# End-to-end checks of the clock among other windows: the strip is a desktop accessory that no
# close request ends, a ringing alarm comes above a full-screen program on the same window and
# takes the focus, Enter confirms it only after half a second, and the settings window opened
# again takes the focus.
#
#   desktop.sh path/to/ZKTIME        (ZK_E2E_WM=openbox: under openbox)
#
# Screenshots e2e-ring-over-fullscreen.png and e2e-ring-scale2.png go to the current folder.
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
command -v xterm >/dev/null || { fail "xterm is not installed"; finish; }

readonly magenta="255 0 255"
xterm_pid=
stop_xterm() {
    [[ -n $xterm_pid ]] && kill "$xterm_pid" 2>/dev/null && wait "$xterm_pid" 2>/dev/null
    xterm_pid=
}
trap 'stop_xterm; cleanup' EXIT

# Starts an xterm with the given options, painted magenta; sets xterm_id.
start_xterm() {
    xterm -bg '#ff00ff' -fg '#ff00ff' "$@" -e sleep 600 2>/dev/null &
    xterm_pid=$!
    local deadline=$((SECONDS + 10))
    until xterm_id=$(xdotool search --onlyvisible --pid "$xterm_pid" 2>/dev/null | head -n 1) &&
        [[ -n $xterm_id ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
    xdotool windowactivate --sync "$xterm_id" 2>/dev/null || xdotool windowfocus --sync "$xterm_id"
    sleep 0.3
}

# The store's time text of the moment the given number of seconds from now.
time_in() { date -d "@$(($(date +%s) + $1))" +%-H:%M:%S; }

screen_pixel() {
    import -window root -crop "1x1+$1+$2" +repage "$tmp/pixel.png"
    pixel "$tmp/pixel.png" 0 0
}

# Waits up to the given number of seconds for the window to fill the 1024x768 screen.
wait_ring() {
    local deadline=$(($(date +%s%N) + $2 * 1000000000))
    until wait_geometry "$1" "0,0 1024x768" 2>/dev/null; do
        (($(date +%s%N) < deadline)) || return 1
    done
}

# --- The strip among other windows ------------------------------------------------------------
seed_store "('set','left','9000')" "('set','top','10500')" "('ALM','onoff1','1')" \
    "('ALM','day1','False')" "('ALM','MSG1','e2e alarm')" "('ALM','ALMTIM1','$(time_in 7)')"
start_clock
wid=$(find_window) || { fail "the clock did not appear"; finish; }
wait_geometry "$wid" "600,700 152x16" || fail "strip at $geometry, wanted 600,700 152x16"

states=$(wm_states "$wid")
if [[ $states == *_NET_WM_STATE_SKIP_TASKBAR* && $states == *_NET_WM_STATE_SKIP_PAGER* ]]; then
    pass "the strip is kept out of the task bar and the pager ($states)"
else
    fail "the strip's states lack skip-taskbar or skip-pager: $states"
fi
if [[ $(xprop -id "$wid" WM_HINTS) == *"accepts input or input focus: False"* ]]; then
    pass "the strip does not ask for the keyboard focus"
else
    fail "the strip accepts the keyboard focus: $(xprop -id "$wid" WM_HINTS | tr -s '\n\t' ' ')"
fi
if [[ $(xprop -id "$wid" _NET_WM_ICON) == *"Icon (16 x 16)"* ]]; then
    pass "the strip carries the program icon"
else
    fail "no program icon on the strip"
fi

if [[ $wm == openbox ]]; then
    before=$(focused_window)
    xdotool mousemove --window "$wid" 140 8 click 1
    sleep 0.3
    if [[ $(focused_window) != "$wid" ]]; then
        pass "a click on the strip leaves the keyboard focus where it was"
    else
        fail "a click on the strip took the keyboard focus (it was on $before)"
    fi
    wmctrl -i -c "$wid"
    sleep 0.5
    if is_mapped "$wid" && kill -0 "$clock_pid" 2>/dev/null; then
        pass "a window-manager close of the strip is refused"
    else
        fail "the strip closed on a window-manager request"
    fi
fi

# --- A ring over a full-screen program --------------------------------------------------------
start_xterm -fullscreen || { fail "xterm did not appear"; finish; }
if near "$(screen_pixel 200 100)" "$magenta" 10; then
    pass "the full-screen xterm covers the screen before the ring"
else
    fail "the xterm does not cover the screen: $(screen_pixel 200 100) at 200,100"
fi

if wait_ring "$wid" 10; then
    detected=$(date +%s%N)
    xdotool key Return
    sent=$((($(date +%s%N) - detected) / 1000000))
    pass "the ring fills the screen on the strip's own window ($wid)"
    sleep 0.3
    if ((sent > 300)); then
        echo "SKIP: Enter took $sent ms to send, too slow to press within half a second of the ring"
    elif wait_geometry "$wid" "0,0 1024x768"; then
        pass "an Enter $sent ms after the ring is ignored"
    else
        fail "an Enter $sent ms after the ring confirmed it"
    fi
    shoot 1024x768+0+0 "$out/e2e-ring-over-fullscreen.png"
    seen=""
    for point in "200 100" "1000 700" "10 760"; do
        # shellcheck disable=SC2086
        colour=$(pixel "$out/e2e-ring-over-fullscreen.png" $point)
        near "$colour" "$magenta" 60 && seen+=" ($point)=$colour"
    done
    if [[ -z $seen ]]; then
        pass "the alarm screen is above the full-screen xterm"
    else
        fail "the xterm shows through the alarm screen:$seen"
    fi
    if [[ $(focused_window) == "$wid" ]]; then
        pass "the ringing alarm has the keyboard focus"
    else
        fail "the keyboard focus is on $(focused_window), not on the alarm ($wid)"
    fi
    if [[ $wm == openbox ]]; then
        [[ $(wm_states "$wid") == *_NET_WM_STATE_ABOVE* ]] &&
            pass "the ringing strip is in the above layer" ||
            fail "the ringing strip is not above: $(wm_states "$wid")"
        xdotool key alt+F4
        sleep 0.5
        if is_mapped "$wid" && wait_geometry "$wid" "0,0 1024x768"; then
            pass "Alt+F4 leaves the alarm on the screen"
        else
            fail "Alt+F4 closed the alarm"
        fi
    fi
    sleep 0.3
    xdotool key Return
    if wait_geometry "$wid" "600,700 152x16"; then
        pass "Enter after half a second confirms: the same window is a strip again"
    else
        fail "after Enter the window is at $geometry, wanted 600,700 152x16"
    fi
    if [[ $wm == openbox ]]; then
        sleep 0.3
        [[ $(focused_window) == "$xterm_id" ]] &&
            pass "the confirm gives the focus back to the xterm" ||
            fail "after the confirm the focus is on $(focused_window), not on the xterm"
        [[ $(wm_states "$wid") != *_NET_WM_STATE_ABOVE* ]] &&
            pass "the confirmed strip left the above layer" ||
            fail "the confirmed strip is still above: $(wm_states "$wid")"
    fi
else
    fail "no ring within 10 s (strip at $geometry)"
fi
[[ $(find_window) == "$wid" ]] || fail "the strip's window changed from $wid to $(find_window)"
stop_xterm

# --- The settings window opened again takes the focus -----------------------------------------
start_xterm -geometry 80x24+0+0 || { fail "xterm did not appear"; finish; }
xdotool mousemove --window "$wid" 40 8 click --repeat 2 --delay 60 1
sid=
for ((i = 0; i < 100; i++)); do
    sid=$(xdotool search --onlyvisible --name "$title" 2>/dev/null | grep -vx "$wid" | head -n 1)
    [[ -n $sid ]] && break
    sleep 0.05
done
if [[ -z $sid ]]; then
    fail "no settings window after a double click on the date"
else
    sleep 0.5
    xdotool windowactivate --sync "$xterm_id" 2>/dev/null || xdotool windowfocus --sync "$xterm_id"
    sleep 0.3
    xdotool mousemove --window "$wid" 40 8 click --repeat 2 --delay 60 1
    sleep 0.5
    if [[ $(focused_window) == "$sid" ]]; then
        pass "the settings window opened again takes the keyboard focus"
    else
        fail "the settings window opened again: focus on $(focused_window), not on it ($sid)"
    fi
    xdotool key Escape
    sleep 0.5
    if ! xdotool search --onlyvisible --name "$title" | grep -qx "$sid"; then
        pass "Escape reaches the settings window and closes it"
    else
        fail "the settings window is still open after Escape"
    fi
fi
stop_xterm
stop_clock

# --- A ring at twice the scale ----------------------------------------------------------------
seed_store "('ALM','onoff1','1')" "('ALM','day1','False')" "('ALM','ALMTIM1','$(time_in 5)')" \
    "('ALM','MSG1','$(printf '二倍の大きさでも読める長いメッセージです。%.0s' {1..12})')"
QT_SCALE_FACTOR=2 start_clock
wid=$(find_window) || { fail "the clock did not appear at scale 2"; finish; }
if wait_geometry "$wid" "0,0 304x32"; then
    pass "at scale 2 the strip is 304x32"
else
    fail "at scale 2 the strip is $geometry, wanted 0,0 304x32"
fi
if wait_ring "$wid" 10; then
    sleep 0.5
    shoot 1024x768+0+0 "$out/e2e-ring-scale2.png"
    pass "at scale 2 the ring fills the screen ($out/e2e-ring-scale2.png)"
else
    fail "no ring at scale 2 within 10 s (strip at $geometry)"
fi
stop_clock
finish
