#!/usr/bin/env bash
# shellcheck disable=SC2317  # functions called through retry and check
# End-to-end checks of the clock's mouse actions: the ten-second hide (the settings window is
# used and photographed meanwhile, the strip comes back in place off the task bar), the double
# click on the time (recent documents cleared in GTK's list too, a program launched), and the
# R and Q requests to a mock logind (refused without one, else one request each and the program
# ends).
#
#   mouse.sh path/to/ZKTIME        (ZK_E2E_WM=openbox: under openbox)
#
# The program's system bus is a private dbus-daemon started here; the machine's own system bus
# and its logind are never reached. Screenshots e2e-mouse-custom-tab.png and
# e2e-mouse-power-refused.png go to the current folder.
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
recent_list=$(dirname "$(realpath "$0")")/../support/recent_list.py
recent_items() { /usr/bin/python3 "$recent_list" "$XDG_DATA_HOME/recently-used.xbel" "$@"; }
# Whether a window with the program's title other than the clock shows: a message box.
other_window() { visible --name "$title" | grep -qvx "$clock"; }

trap 'kill ${logind_pid:-} ${bus_pid:-} 2>/dev/null; cleanup' EXIT
dbus-daemon --session --nofork --print-address=3 3>"$tmp/bus" >/dev/null 2>&1 &
bus_pid=$!
retry 100 test -s "$tmp/bus"
export DBUS_SYSTEM_BUS_ADDRESS
DBUS_SYSTEM_BUS_ADDRESS=$(head -n 1 "$tmp/bus")
[[ $DBUS_SYSTEM_BUS_ADDRESS == unix:* && $DBUS_SYSTEM_BUS_ADDRESS != *system_bus_socket* ]] ||
    { fail "no private bus to stand in for the system bus"; finish; }

# --- The hide: gone for nine to ten seconds, back in place; the settings window still works ---
seed_store "('set','left','1500'), ('set','top','9000')"
start_clock
open_settings
hidden_at=$(ms)
click "$clock" 40 8 3
check "a right click hides the clock" retry 40 not is_mapped "$clock"
click "$sid" 202 11 1 # the custom tab, in the row away from the page
import -window "$sid" "$out/e2e-mouse-custom-tab.png"
retry 300 is_mapped "$clock"
away=$(($(ms) - hidden_at))
check "the clock came back after $away ms (9 to 10 s)" test "$away" -ge 8900 -a "$away" -le 10700
check "back in place at 100,600" wait_geometry "$clock" "100,600 152x16"
[[ $wm == none ]] || check "still off the task bar after the hide" wm_state "$clock" SKIP_TASKBAR
stop_clock

# --- A double click on the time: recent documents cleared, then the program launched ----------
mkdir -p "$tmp/My Tools" "$XDG_DATA_HOME/RecentDocuments"
# shellcheck disable=SC2016  # the script's own expansion
printf '#!/bin/sh\ntouch "$(dirname "$0")/ran"\n' >"$tmp/My Tools/run me"
chmod +x "$tmp/My Tools/run me"
touch "$XDG_DATA_HOME/RecentDocuments/a.desktop"
[[ $(recent_items file:///etc/hosts) == 1 ]] || fail "GTK did not fill its recent list"
seed_store "('c','saikin','1'), ('c','kidou','1'), ('c','kidouPath','$tmp/My Tools/run me')"
start_clock
double_click "$clock" 120 8
check "the program with blanks in its path ran" retry 100 test -e "$tmp/My Tools/ran"
check "recent documents cleared, and GTK reads a valid empty list" \
    test "$(recent_items)/$(ls "$XDG_DATA_HOME/RecentDocuments")" = 0/
stop_clock

# --- R and Q: refused without logind, then one request each and the program ends --------------
seed_store "('o','RQ','1'), ('o','btn0','True')"
start_clock
click "$clock" 177 8 1
check "with no logind, Q shows why in a message box" retry 200 other_window
sleep 0.3
import -window root "$out/e2e-mouse-power-refused.png"
press Return # typed as a user would: the box has the keyboard focus
check "Enter closes the message box" retry 20 not other_window
stop_clock

/usr/bin/python3 -m dbusmock --system --template logind -l "$tmp/logind.log" >/dev/null 2>&1 &
logind_pid=$!
retry 200 dbus-send --bus="$DBUS_SYSTEM_BUS_ADDRESS" --print-reply --dest=org.freedesktop.login1 \
    /org/freedesktop/login1 org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 ||
    fail "the mock logind did not start"
for request in "Q:True:177:1:PowerOff" "R:False:158:2:Reboot"; do
    IFS=: read -r control btn0 x clicks method <<<"$request"
    : >"$tmp/logind.log"
    seed_store "('o','RQ','1'), ('o','btn0','$btn0')"
    start_clock
    click "$clock" "$x" 8 --repeat "$clicks" --delay 60 1
    retry 100 not running
    stop_clock
    requests=$(tr -d '\0' <"$tmp/logind.log" | grep -oE '(PowerOff|Reboot) .*')  # emptied above
    check "$control ($clicks click): one $method(false), then exit status 0" \
        test "$status: $requests" = "0: $method False"
done
finish
