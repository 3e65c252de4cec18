#!/usr/bin/env bash
# shellcheck disable=SC2317  # functions called through retry and check
# End-to-end checks of the alarm in a real GNOME Shell (mutter with XWayland), with the strip kept
# in front and not: a ring covers a focused full-screen xterm and takes the focus; a real Enter
# 0.6 s after it confirms, and the same window is a strip again, off the task bar; the focus goes
# back to the xterm.
#
#   gnome.sh path/to/ZKTIME          (skipped, status 77, where the GNOME Shell kit is missing)
#
# Screenshots e2e-gnome-ring-topmost0.png and e2e-gnome-ring-topmost1.png go to the current folder.
set -uo pipefail

export ZK_E2E_WM=gnome
# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
need xterm

is_active() { seen=$(xprop -root _NET_ACTIVE_WINDOW) && [[ $seen == *" $(printf '0x%x' "$1")" ]]; }
# Waits up to about 3 s for the window manager to give the focus to the window.
wait_active() { retry 60 is_active "$1"; }
ring_with_focus() { wait_ring "$clock" 12 && wait_active "$clock"; }

for topmost in 0 1; do
    t="Topmost $topmost:"
    seed_store "('set','left','9000')" "('set','top','10500')" "('set','Topmost','$topmost')" \
        "('set','OPENCheck','1')" "('ALM','onoff1','1')" "('ALM','ALMTIM1','$(time_in 8)')"
    start_clock
    start_xterm -fullscreen || { fail "xterm did not appear"; finish; }
    input move 300 300 && input click
    check "$t a click focuses the full-screen xterm" wait_active "$xterm_id"
    if check "$t the ring fills the screen and has the focus" ring_with_focus; then
        # The compositor draws the new frame a moment after the X server has the new size.
        check "$t the ring covers the full-screen xterm" \
            retry 10 covers_xterm "$out/e2e-gnome-ring-topmost$topmost.png"
        sleep 0.6
        input key Return
        check "$t Enter confirms" wait_geometry "$clock" "600,700 152x16"
        check "$t the focus is back on the xterm" wait_active "$xterm_id"
    fi
    check "$t the strip is off the task bar" wm_state "$clock" SKIP_TASKBAR
    stop_xterm
    stop_clock
done
finish
