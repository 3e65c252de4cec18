#!/usr/bin/env bash
# End-to-end checks of the clock among other windows: the strip is a desktop accessory that no
# close request ends, a ringing alarm comes above a full-screen program on the same window, kept
# in front or not, and takes the focus, Enter confirms it only after half a second, and the
# settings window opened again takes the focus.
#
#   desktop.sh path/to/ZKTIME        (ZK_E2E_WM=openbox: under openbox)
#
# Screenshots e2e-ring-over-fullscreen-topmost0.png (and topmost1) and e2e-ring-scale2.png go to the
# current folder.
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
command -v xterm >/dev/null || { fail "xterm is not installed"; finish; }

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
# No task bar shows it: an icon would only be sent to the X server at every start.
[[ $(xprop -id "$wid" _NET_WM_ICON) != *"Icon ("* ]] && pass "the strip carries no icon" ||
    fail "the strip carries an icon"

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

# --- A ring over a full-screen program -------------------------------------------------------
# Kept in front or not, the strip keeps its one window and its states; the ring covers the focused
# full-screen xterm and takes the focus, and the confirm gives the focus back.
ring_over_fullscreen() {
    local topmost=$1
    start_xterm -fullscreen || { fail "xterm did not appear"; return; }
    near "$(screen_pixel 200 100)" "$magenta" 10 ||
        fail "the xterm does not cover the screen: $(screen_pixel 200 100) at 200,100"
    if ! wait_ring "$wid" 10; then
        fail "Topmost $topmost: no ring within 10 s (strip at $geometry)"
        stop_xterm
        return
    fi
    detected=$(date +%s%N)
    xdotool key Return
    sent=$((($(date +%s%N) - detected) / 1000000))
    sleep 0.3
    if ((sent > 300)); then
        echo "SKIP: Enter took $sent ms to send, too slow to press within half a second of the ring"
    elif wait_geometry "$wid" "0,0 1024x768"; then
        pass "Topmost $topmost: an Enter $sent ms after the ring is ignored"
    else
        fail "Topmost $topmost: an Enter $sent ms after the ring confirmed it"
    fi
    shoot 1024x768+0+0 "$out/e2e-ring-over-fullscreen-topmost$topmost.png"
    seen=""
    for point in "200 100" "1000 700" "10 760"; do
        # shellcheck disable=SC2086
        colour=$(pixel "$out/e2e-ring-over-fullscreen-topmost$topmost.png" $point)
        near "$colour" "$magenta" 60 && seen+=" ($point)=$colour"
    done
    [[ -z $seen ]] && pass "Topmost $topmost: the alarm screen is above the full-screen xterm" ||
        fail "Topmost $topmost: the xterm shows through the alarm screen:$seen"
    [[ $(focused_window) == "$wid" ]] && pass "Topmost $topmost: the ringing alarm has the focus" ||
        fail "Topmost $topmost: the focus is on $(focused_window), not on the alarm ($wid)"
    if [[ $wm == openbox ]]; then
        [[ $(xprop -root _NET_ACTIVE_WINDOW) == *"$(printf '0x%x' "$wid")"* ]] &&
            pass "Topmost $topmost: _NET_ACTIVE_WINDOW names the strip" ||
            fail "Topmost $topmost: $(xprop -root _NET_ACTIVE_WINDOW), not the strip $wid"
        [[ $(wm_states "$wid") == *_NET_WM_STATE_ABOVE* ]] ||
            fail "the ringing strip is not above: $(wm_states "$wid")"
        xdotool key alt+F4
        sleep 0.5
        is_mapped "$wid" && wait_geometry "$wid" "0,0 1024x768" || fail "Alt+F4 closed the alarm"
    fi
    sleep 0.3
    xdotool key Return
    wait_geometry "$wid" "600,700 152x16" &&
        pass "Topmost $topmost: Enter after half a second confirms: the same window is a strip again" ||
        fail "Topmost $topmost: after Enter the window is at $geometry, wanted 600,700 152x16"
    if [[ $wm == openbox ]]; then
        sleep 0.3
        [[ $(focused_window) == "$xterm_id" ]] &&
            pass "Topmost $topmost: the confirm gives the focus back to the xterm" ||
            fail "Topmost $topmost: after the confirm the focus is on $(focused_window), not on the xterm"
        states=$(wm_states "$wid") above=0
        [[ $states == *_NET_WM_STATE_ABOVE* ]] && above=1
        [[ $states == *_NET_WM_STATE_SKIP_TASKBAR* && $above == "$topmost" ]] &&
            pass "Topmost $topmost: the confirmed strip is back in its layer, off the task bar" ||
            fail "Topmost $topmost: the confirmed strip's states: $states"
    fi
    [[ $(find_window) == "$wid" ]] || fail "the strip's window changed from $wid to $(find_window)"
    stop_xterm
}
ring_over_fullscreen 0

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

seed_store "('set','left','9000')" "('set','top','10500')" "('set','Topmost','1')" \
    "('ALM','onoff1','1')" "('ALM','ALMTIM1','$(time_in 5)')"
start_clock
wid=$(find_window) || { fail "the clock did not appear with Topmost 1"; finish; }
wait_geometry "$wid" "600,700 152x16" || fail "strip at $geometry, wanted 600,700 152x16"
[[ $wm == none || $(wm_states "$wid") == *SKIP_TASKBAR*SKIP_PAGER*ABOVE* ]] ||
    fail "Topmost 1: the strip's states are $(wm_states "$wid")"
ring_over_fullscreen 1
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
