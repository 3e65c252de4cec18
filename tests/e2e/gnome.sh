#!/usr/bin/env bash
# End-to-end checks of the alarm in a real GNOME Shell (mutter with XWayland), with the strip kept
# in front and not: the strip keeps one window, off the task bar, from its first show to after the
# confirm; a ring covers a focused full-screen xterm and takes the focus; a real Enter 0.6 s after
# it confirms; the focus goes back to the xterm.
#
#   gnome.sh path/to/ZKTIME          (skipped, status 77, where the GNOME Shell kit is missing)
#
# Screenshots e2e-gnome-ring-topmost0.png and e2e-gnome-ring-topmost1.png go to the current folder.
set -uo pipefail

export ZK_E2E_WM=gnome
# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
command -v xterm >/dev/null || { fail "xterm is not installed"; finish; }

active_window() { xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}'; }
# Waits up to 3 s for the window manager to give the focus to the window.
wait_active() {
    local wanted deadline=$((SECONDS + 3))
    wanted=$(printf '0x%x' "$1")
    until [[ $(active_window) == "$wanted" ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

for topmost in 0 1; do
    seed_store "('set','left','9000')" "('set','top','10500')" "('set','Topmost','$topmost')" \
        "('set','OPENCheck','1')" "('ALM','onoff1','1')" "('ALM','ALMTIM1','$(time_in 8)')"
    start_clock
    wid=$(find_window) || { fail "Topmost $topmost: the clock did not appear"; continue; }
    xterm -bg '#ff00ff' -fullscreen -e sleep 600 2>/dev/null &
    xterm_pid=$!
    xterm_id=$(timeout 10 xdotool search --sync --onlyvisible --pid "$xterm_pid" | head -n 1)
    input move 300 300 && input click
    wait_active "$xterm_id" || fail "Topmost $topmost: a click does not focus the full-screen xterm"
    [[ $(wm_states "$wid") == *_NET_WM_STATE_SKIP_TASKBAR* ]] ||
        fail "Topmost $topmost: the strip is on the task bar: $(wm_states "$wid")"

    if wait_ring "$wid" 12 && wait_active "$wid"; then
        pass "Topmost $topmost: the ring fills the screen and has the focus"
        shot=$out/e2e-gnome-ring-topmost$topmost.png
        # The compositor draws the new frame a moment after the X server has the new size.
        for ((try = 0; try < 10; try++)); do
            shoot 1024x768+0+0 "$shot"
            seen=""
            for point in "200 100" "1000 700" "500 10"; do
                # shellcheck disable=SC2086
                near "$(pixel "$shot" $point)" "$magenta" 60 && seen+=" ($point)"
            done
            [[ -z $seen ]] && break
            sleep 0.2
        done
        [[ -z $seen ]] && pass "Topmost $topmost: the ring covers the full-screen xterm ($shot)" ||
            fail "Topmost $topmost: the xterm shows through the ring at$seen ($shot)"
        sleep 0.6
        input key Return
        wait_geometry "$wid" "600,700 152x16" && wait_active "$xterm_id" &&
            pass "Topmost $topmost: Enter confirms, the focus is back on the xterm" ||
            fail "Topmost $topmost: after Enter the strip is at $geometry, the focus on $(active_window)"
    else
        fail "Topmost $topmost: no ring with the focus (strip at $geometry, focus on $(active_window))"
    fi
    [[ $(find_window) == "$wid" && $(wm_states "$wid") == *_NET_WM_STATE_SKIP_TASKBAR* ]] &&
        pass "Topmost $topmost: one window from start to confirm, off the task bar" ||
        fail "Topmost $topmost: window $(find_window) (first $wid), states $(wm_states "$wid")"
    stop_xterm
    stop_clock
done
finish
