#!/usr/bin/env bash
# shellcheck disable=SC2317  # functions called through check
# End-to-end checks of the clock among other windows: the strip is a desktop accessory (off the
# task bar and the pager, asking for no keyboard focus and taking none on a click, no
# window-manager close); a ringing alarm comes above a full-screen program on the same window,
# kept in front or not, at scale 1 and 2, takes the focus, ignores an Enter within half a second,
# is confirmed by one after it and gives the focus back; the settings window opened again takes
# the focus and Escape closes it. Then the strip, today's notes and the six tabs of the settings
# window are photographed at scales 1 and 2 for a person to look at.
#
#   desktop.sh path/to/ZKTIME        (ZK_E2E_WM=openbox: under openbox)
#
# Screenshots e2e-ring-topmost0-scale1.png, e2e-ring-topmost1-scale2.png, and for N 1 and 2
# e2e-strip-scaleN.png, e2e-today-view-scaleN.png and e2e-settings-tabT-scaleN.png (T 0 to 5) go
# to the current folder.
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
need xterm
long=$(printf '二倍の大きさでも読める長いメッセージです。%.0s' {1..12})

# --- The strip among other windows ------------------------------------------------------------
seed_store "('set','left','9000')" "('set','top','10500')" "('ALM','onoff1','1')" \
    "('ALM','MSG1','$long')" "('ALM','ALMTIM1','$(time_in 7)')"
start_clock
strip="600,700 152x16"
check "the strip at 600,700" wait_geometry "$clock" "$strip"
check "the strip stays off the task bar and the pager" wm_state "$clock" SKIP_TASKBAR SKIP_PAGER
check "the strip does not ask for the keyboard focus" \
    has "$(xprop -id "$clock" WM_HINTS)" "accepts input or input focus: False"
if [[ $wm == openbox ]]; then
    click "$clock" 140 8 1
    check "a click on the strip leaves the keyboard focus where it was" not has_focus "$clock"
    wmctrl -i -c "$clock"
    sleep 0.5
    check "a window-manager close of the strip is refused" is_mapped "$clock"
fi

# --- A ring over a full-screen program -------------------------------------------------------
# ring_over_fullscreen TOPMOST [not]: kept in front or not ("not"), the strip keeps its one window
# and its states; the ring covers the focused full-screen xterm and takes the focus, and the
# confirm gives the focus back.
ring_over_fullscreen() {
    local t="Topmost $1, scale $scale:" sent
    # Without a window manager the xterm keeps its own size.
    # shellcheck disable=SC2015  # either failing leaves no xterm to ring over
    start_xterm -fullscreen && (($(magenta "$tmp/xterm.png") > 100000)) ||
        { fail "$t no xterm on the screen"; return; }
    check "$t the alarm rings" wait_ring "$clock" 10 || { stop_xterm; return; }
    # An Enter slow to send may fall after the half second, and then shows nothing.
    sent=$(ms)
    xdotool key Return
    (($(ms) - sent < 300)) && sleep 0.2 &&
        check "$t an Enter just after the ring is ignored" ringing "$clock"
    check "$t the alarm screen is above the full-screen xterm" \
        covers_xterm "$out/e2e-ring-topmost$1-scale$scale.png"
    check "$t the ringing alarm has the focus" retry 20 has_focus "$clock"
    if [[ $wm == openbox ]]; then
        check "$t the ringing strip is above" wm_state "$clock" ABOVE
    fi
    sleep 0.3
    xdotool key Return
    check "$t Enter after half a second confirms: the same window is a strip again" \
        wait_geometry "$clock" "$strip"
    if [[ $wm == openbox ]]; then
        check "$t the confirm gives the focus back to the xterm" retry 20 has_focus "$xterm_id"
        check "$t the confirmed strip is off the task bar" wm_state "$clock" SKIP_TASKBAR
        check "$t the strip is back in its layer" retry 20 "${@:2}" wm_state "$clock" ABOVE
    fi
    stop_xterm
}
ring_over_fullscreen 0 not

# --- The settings window opened again takes the focus -----------------------------------------
start_xterm -geometry 80x24+0+0 || { fail "xterm did not appear"; finish; }
open_settings
activate "$xterm_id"
double_click "$clock" 40 8
check "the settings window opened again takes the keyboard focus" retry 20 has_focus "$sid"
press Escape
check "Escape reaches the settings window and closes it" retry 20 not is_mapped "$sid"
stop_xterm
stop_clock

# Kept in front, at twice the scale: 4500 and 5250 twips are 300,350 in the program's pixels.
seed_store "('set','left','4500')" "('set','top','5250')" "('set','Topmost','1')" \
    "('ALM','onoff1','1')" "('ALM','MSG1','$long')" "('ALM','ALMTIM1','$(time_in 5)')"
scale=2 strip="600,700 304x32"
start_clock QT_SCALE_FACTOR=2
[[ $wm == none ]] || check "Topmost 1, scale 2: the strip is above, off the task bar and pager" \
    wm_state "$clock" SKIP_TASKBAR SKIP_PAGER ABOVE
ring_over_fullscreen 1
stop_clock

# --- The strip, today's notes and the settings window at scales 1 and 2 -----------------------
for scale in 1 2; do
    s="scale $scale:"
    seed_store "('o','RQ','1')" "('$(date +%Y/%m/%d)','1','E2E meeting 10:00')"
    start_clock QT_SCALE_FACTOR=$scale
    view=$(find_sized $((484 * scale))x$((135 * scale))) || fail "$s no today's notes at start"
    sleep 1.5 # the notes slide in for 0.6 s
    import -window "$clock" "$out/e2e-strip-scale$scale.png"
    import -window "$view" "$out/e2e-today-view-scale$scale.png"
    open_settings
    # The tab captions stand in two rows of three; the row of the chosen tab is the lower one.
    current=0
    for tab in 0 1 2 3 4 5; do
        click "$sid" $((tab % 3 * 142 + 60)) $((tab / 3 == current / 3 ? 33 : 11)) 1
        current=$tab shot=$out/e2e-settings-tab$tab-scale$scale.png
        import -window "$sid" "$shot"
        ((tab == 0)) || check "$s tab $tab shows its own page" differs "$shot" "$previous"
        previous=$shot
    done
    # From the last tab round to the second and back, then three back to the fifth (index 4).
    press ctrl+Tab ctrl+Tab ctrl+shift+Tab ctrl+shift+Tab ctrl+shift+Tab Escape
    check "$s Ctrl+Tab and Ctrl+Shift+Tab move between the tabs" retry 20 stored_as set Tab 4
    stop_clock
done
finish
