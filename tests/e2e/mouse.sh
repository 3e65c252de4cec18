#!/usr/bin/env bash
# shellcheck disable=SC2317  # functions called through retry and check
# End-to-end checks of the clock's mouse actions: the ten-second hide, the double click on the
# time (recent documents, launch), and the R and Q requests to a mock logind.
#
#   mouse.sh path/to/ZKTIME
#
# The program's system bus is a private dbus-daemon started here; the machine's own system bus
# and its logind are never reached. Screenshots of the message boxes go to the current folder.
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
recent_list=$(dirname "$(realpath "$0")")/../support/recent_list.py
recent=$XDG_DATA_HOME/RecentDocuments

# Runs a command every 50 ms until it succeeds, at most the given number of times.
retry() { local n; for ((n = 0; n < $1; n++)); do "${@:2}" && return 0; sleep 0.05; done; return 1; }
check() { if "${@:2}"; then pass "$1"; else fail "$1"; fi; }
not() { ! "$@"; }
ms() { echo $(($(date +%s%N) / 1000000)); }
click() { xdotool mousemove --window "$1" "$2" "$3" click "${@:4}"; }

bus_pid="" logind_pid=""
trap '[[ -n $logind_pid ]] && kill "$logind_pid"; [[ -n $bus_pid ]] && kill "$bus_pid"; cleanup' EXIT
dbus-daemon --session --nofork --print-address=3 3>"$tmp/bus" >/dev/null 2>&1 &
bus_pid=$!
retry 100 test -s "$tmp/bus"
export DBUS_SYSTEM_BUS_ADDRESS
DBUS_SYSTEM_BUS_ADDRESS=$(head -n 1 "$tmp/bus")
if [[ $DBUS_SYSTEM_BUS_ADDRESS != unix:* || $DBUS_SYSTEM_BUS_ADDRESS == *system_bus_socket* ]]; then
    fail "no private bus to stand in for the system bus"
    finish
fi
logind_up() {
    dbus-send --bus="$DBUS_SYSTEM_BUS_ADDRESS" --print-reply --dest=org.freedesktop.DBus \
        /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.freedesktop.login1 \
        2>/dev/null | grep -q 'boolean true'
}

# Prints the id of a mapped window with the program's title other than the ones given.
other_window() {
    local id
    for id in $(xdotool search --onlyvisible --name "$title" 2>/dev/null); do
        [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
    done
    return 1
}
find_other() { retry 200 other_window "$@"; }

# Photographs the message box in front and closes it with Enter, typed as a user would: the
# box has the keyboard focus.
answer_box() {
    local box
    box=$(find_other "$clock") || return 1
    sleep 0.3
    import -window root "$out/e2e-mouse-$1.png"
    xdotool key Return
    retry 40 not is_mapped "$box"
}

clock_runs() { kill -0 "$clock_pid" 2>/dev/null; }
start() {
    seed_store "$1"
    start_clock
    clock=$(find_window) || { fail "the clock did not appear"; finish; }
}

# --- The hide: gone for nine to ten seconds, back in place; the settings window still works ---
alarm=$(date -d '+7 seconds' +%-H:%M:%S)
mkdir -p "$recent"
touch "$recent/"{a.desktop,.hidden}
start "('set','left','1500'), ('set','top','9000'), ('o','RQ','1'), ('o','btn0','True'),
       ('ALM','ALMTIM1','$alarm'), ('ALM','onoff1','1'), ('ALM','day1','False')"
click "$clock" 40 8 --repeat 2 --delay 60 1
settings=$(find_other "$clock") || { fail "no settings window after a double click on the date"; finish; }
sleep 0.5
click "$clock" 40 8 3
hidden_at=$(ms)
check "a right click hides the clock" retry 40 not is_mapped "$clock"
import -window root -crop 427x347+0+0 +repage "$tmp/before.png"
click "$settings" 202 11 1  # the custom tab, in the row away from the page
sleep 0.5
import -window root -crop 427x347+0+0 +repage "$out/e2e-mouse-custom-tab.png"
tab_changed() { (($(differing_pixels "$tmp/before.png" "$out/e2e-mouse-custom-tab.png") > 0)); }
check "the settings window changes tab while the clock is hidden" tab_changed
check "the clock is still hidden then" not is_mapped "$clock"
click "$settings" 60 112 1  # 今すぐ消去
sleep 0.3
check "今すぐ消去 deletes a recent document, not a hidden file" \
    test ! -e "$recent/a.desktop" -a -e "$recent/.hidden"
retry 300 is_mapped "$clock"
away=$(($(ms) - hidden_at))
check "the clock came back after $away ms (9 to 10 s)" test "$away" -ge 8900 -a "$away" -le 10700
# The alarm that fell due meanwhile rings late, once the clock is back.
check "the alarm due during the hide rings then" wait_ring "$clock" 2
sleep 0.6
xdotool key Return
check "back at 100,600 as a strip after the confirm" wait_geometry "$clock" "100,600 187x16"
off_taskbar() { [[ $wm == none || $(wm_states "$clock") == *_NET_WM_STATE_SKIP_TASKBAR* ]]; }
check "still off the task bar after the hide" off_taskbar
stop_clock

# --- A double click on the time: recent documents cleared, then the program launched ----------
mkdir -p "$tmp/My Tools"
# shellcheck disable=SC2016  # the script's own expansion
printf '#!/bin/sh\ntouch "$(dirname "$0")/ran"\n' >"$tmp/My Tools/run me"
chmod +x "$tmp/My Tools/run me"
touch "$recent/b.desktop"
list=$XDG_DATA_HOME/recently-used.xbel
check "GTK fills its recent list" test "$(/usr/bin/python3 "$recent_list" "$list" file:///etc/hosts)" = 1
start "('c','saikin','1'), ('c','kidou','1'), ('c','kidouPath','$tmp/My Tools/run me')"
click "$clock" 120 8 --repeat 2 --delay 60 1
check "the program with blanks in its path ran" retry 100 test -e "$tmp/My Tools/ran"
check "recent documents cleared" test ! -e "$recent/b.desktop"
check "GTK reads a valid empty list" test "$(/usr/bin/python3 "$recent_list" "$list")" = 0
stop_clock

# --- A missing program: two message boxes in turn --------------------------------------------
start "('c','kidou','1'), ('c','kidouPath','$tmp/nowhere/app')"
click "$clock" 120 8 --repeat 2 --delay 60 1
check "a missing program: first message box" answer_box not-found-1
check "a missing program: second message box" answer_box not-found-2
stop_clock

# --- R and Q: refused without logind, then one request each and the program ends --------------
start "('o','RQ','1'), ('o','btn0','True')"
click "$clock" 177 8 1
check "with no logind, Q shows why" answer_box power-refused
sleep 0.3
check "with no logind, the clock keeps running" clock_runs
stop_clock

/usr/bin/python3 -m dbusmock --system --template logind -l "$tmp/logind.log" >/dev/null 2>&1 &
logind_pid=$!
retry 200 logind_up || fail "the mock logind did not start"
for request in "Q:True:177:1:PowerOff" "R:False:158:2:Reboot"; do
    IFS=: read -r control btn0 x clicks method <<<"$request"
    : >"$tmp/logind.log"
    start "('o','RQ','1'), ('o','btn0','$btn0')"
    click "$clock" "$x" 8 --repeat "$clicks" --delay 60 1
    status=running
    if retry 100 not clock_runs; then
        wait "$clock_pid"
        status=$? clock_pid=
    fi
    requests=$(tr -d '\0' <"$tmp/logind.log" | grep -E ' (PowerOff|Reboot)')  # emptied above
    check "$control ($clicks click): one $method(false), then exit status 0 (got: $status)" \
        test "$status" = 0 -a "$requests" != "${requests#* "$method" False}" -a "$(wc -l <<<"$requests")" = 1
    stop_clock
done
finish
