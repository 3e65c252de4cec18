#!/usr/bin/env bash
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
recent_list=$(dirname "$(realpath "$0")")/../utilities/recent_list.py

bus_pid= logind_pid=
trap 'stop_logind; [[ -n $bus_pid ]] && kill "$bus_pid" 2>/dev/null; cleanup' EXIT
dbus-daemon --session --nofork --print-address=3 3>"$tmp/bus" >/dev/null 2>&1 &
bus_pid=$!
for ((i = 0; i < 100; i++)); do [[ -s $tmp/bus ]] && break; sleep 0.05; done
export DBUS_SYSTEM_BUS_ADDRESS
DBUS_SYSTEM_BUS_ADDRESS=$(head -n 1 "$tmp/bus")
if [[ $DBUS_SYSTEM_BUS_ADDRESS != unix:* || $DBUS_SYSTEM_BUS_ADDRESS == *system_bus_socket* ]]; then
    fail "no private bus to stand in for the system bus"
    finish
fi

start_logind() {
    /usr/bin/python3 -m dbusmock --system --template logind -l "$tmp/logind.log" >/dev/null 2>&1 &
    logind_pid=$!
    for ((i = 0; i < 200; i++)); do
        dbus-send --bus="$DBUS_SYSTEM_BUS_ADDRESS" --print-reply --dest=org.freedesktop.DBus \
            /org/freedesktop/DBus org.freedesktop.DBus.NameHasOwner string:org.freedesktop.login1 \
            2>/dev/null | grep -q 'boolean true' && return 0
        sleep 0.05
    done
    return 1
}
stop_logind() { [[ -n $logind_pid ]] && kill "$logind_pid" 2>/dev/null && wait "$logind_pid"; }

# Prints the id of a mapped window with the program's title other than the ones given.
find_other() {
    local deadline=$((SECONDS + 10)) id
    while ((SECONDS < deadline)); do
        for id in $(xdotool search --onlyvisible --name "$title" 2>/dev/null); do
            [[ " $* " == *" $id "* ]] || { echo "$id"; return 0; }
        done
        sleep 0.05
    done
    return 1
}

# Waits up to 5 s for the clock to end; prints its exit status, or "running".
clock_exit() {
    for ((i = 0; i < 100; i++)); do
        kill -0 "$clock_pid" 2>/dev/null || { wait "$clock_pid"; echo $?; clock_pid=; return; }
        sleep 0.05
    done
    echo running
}

ms() { echo $(($(date +%s%N) / 1000000)); }
click() { xdotool mousemove --window "$1" "$2" "$3" click "${@:4}"; }

# --- The hide: gone for nine to ten seconds, back in place; the settings window still works ---
alarm=$(date -d '+7 seconds' +%-H:%M:%S)
seed_store "('set','left','1500'), ('set','top','9000'), ('o','RQ','1'), ('o','btn0','True'),
            ('ALM','ALMTIM1','$alarm'), ('ALM','onoff1','1'), ('ALM','day1','False')"
mkdir -p "$XDG_DATA_HOME/RecentDocuments"
touch "$XDG_DATA_HOME/RecentDocuments/"{a.desktop,.hidden}
start_clock
clock=$(find_window) || { fail "the clock did not appear"; finish; }
wait_geometry "$clock" "100,600 187x16" || fail "clock at $geometry, wanted 100,600 187x16"
click "$clock" 40 8 --repeat 2 --delay 60 1
settings=$(find_other "$clock") || { fail "no settings window after a double click on the date"; finish; }
sleep 0.5
click "$clock" 40 8 3
hidden_at=$(ms)
for ((i = 0; i < 40; i++)); do is_mapped "$clock" || break; sleep 0.05; done
if is_mapped "$clock"; then fail "a right click left the clock mapped"; else pass "a right click hides the clock"; fi

import -window root -crop 427x347+0+0 +repage "$tmp/before.png"
click "$settings" 202 33 1  # the custom tab
sleep 0.5
import -window root -crop 427x347+0+0 +repage "$out/e2e-mouse-custom-tab.png"
if (($(differing_pixels "$tmp/before.png" "$out/e2e-mouse-custom-tab.png") > 0)) && ! is_mapped "$clock"; then
    pass "the settings window changes tab while the clock is hidden"
else
    fail "the settings window did not respond while the clock was hidden"
fi
click "$settings" 60 112 1  # 今すぐ消去
sleep 0.3
if [[ ! -e $XDG_DATA_HOME/RecentDocuments/a.desktop && -e $XDG_DATA_HOME/RecentDocuments/.hidden ]]; then
    pass "今すぐ消去 deleted the recent document and kept the hidden file"
else
    fail "今すぐ消去: $(ls -A "$XDG_DATA_HOME/RecentDocuments" | tr '\n' ' ')"
fi

for ((i = 0; i < 300; i++)); do is_mapped "$clock" && break; sleep 0.05; done
away=$(($(ms) - hidden_at))
if ((away >= 8900 && away <= 10700)); then
    pass "the clock came back after $away ms"
else
    fail "the clock came back after $away ms, wanted 9 to 10 s"
fi
# The alarm fell due while the clock was hidden: it must not ring (the strip would fill the screen).
if wait_geometry "$clock" "100,600 187x16"; then
    pass "back at 100,600 as a strip; the alarm due meanwhile did not ring"
else
    fail "after the hide the clock is at $geometry, wanted 100,600 187x16"
fi
stop_clock

# --- A double click on the time: recent documents cleared, then the program launched ----------
mkdir -p "$tmp/My Tools"
printf '#!/bin/sh\ntouch "$(dirname "$0")/ran"\n' >"$tmp/My Tools/run me"
chmod +x "$tmp/My Tools/run me"
touch "$XDG_DATA_HOME/RecentDocuments/b.desktop"
list=$XDG_DATA_HOME/recently-used.xbel
[[ $(/usr/bin/python3 "$recent_list" "$list" file:///etc/hosts 2>&1) == 1 ]] || fail "GTK did not fill $list"
seed_store "('c','saikin','1'), ('c','kidou','1'), ('c','kidouPath','$tmp/My Tools/run me')"
start_clock
clock=$(find_window) || { fail "the clock did not appear"; finish; }
click "$clock" 120 8 --repeat 2 --delay 60 1
for ((i = 0; i < 100; i++)); do [[ -e $tmp/My\ Tools/ran ]] && break; sleep 0.05; done
[[ -e $tmp/My\ Tools/ran ]] && pass "the program with blanks in its path ran" || fail "the program did not run"
read_back=$(/usr/bin/python3 "$recent_list" "$list" 2>&1)
if [[ $read_back == 0 && ! -e $XDG_DATA_HOME/RecentDocuments/b.desktop ]]; then
    pass "recent documents cleared; GTK reads an empty list"
else
    fail "after the double click GTK reads '$read_back'; folder: $(ls -A "$XDG_DATA_HOME/RecentDocuments")"
fi
stop_clock

# --- A missing program: two message boxes in turn --------------------------------------------
seed_store "('c','kidou','1'), ('c','kidouPath','$tmp/nowhere/app')"
start_clock
clock=$(find_window) || { fail "the clock did not appear"; finish; }
click "$clock" 120 8 --repeat 2 --delay 60 1
for n in 1 2; do
    if box=$(find_other "$clock"); then
        sleep 0.3
        import -window root "$out/e2e-mouse-not-found-$n.png"
        pass "message box $n for a missing program ($out/e2e-mouse-not-found-$n.png)"
        xdotool key --window "$box" Return 2>/dev/null  # the release meets a closed window
        for ((i = 0; i < 40; i++)); do is_mapped "$box" || break; sleep 0.05; done
    else
        fail "no message box $n for a missing program"
    fi
done
stop_clock

# --- R and Q: refused without logind, then one request each and the program ends --------------
seed_store "('o','RQ','1'), ('o','btn0','True')"
start_clock
clock=$(find_window) || { fail "the clock did not appear"; finish; }
click "$clock" 177 8 1
if box=$(find_other "$clock"); then
    sleep 0.3
    import -window root "$out/e2e-mouse-power-refused.png"
    xdotool key --window "$box" Return 2>/dev/null  # the release meets a closed window
    sleep 0.3
    if [[ $(clock_exit) == running ]] && is_mapped "$clock"; then
        pass "with no logind, Q shows why and the clock keeps running"
    else
        fail "with no logind the clock ended"
    fi
else
    fail "with no logind, Q showed no message"
fi
stop_clock

start_logind || fail "the mock logind did not start"
for request in "Q:True:177:1:PowerOff" "R:False:158:2:Reboot"; do
    IFS=: read -r control btn0 x clicks method <<<"$request"
    : >"$tmp/logind.log"
    seed_store "('o','RQ','1'), ('o','btn0','$btn0')"
    start_clock
    clock=$(find_window) || { fail "the clock did not appear"; continue; }
    click "$clock" "$x" 8 --repeat "$clicks" --delay 60 1
    status=$(clock_exit)
    calls=$(grep -c " $method False\$" "$tmp/logind.log")
    others=$(grep -cE ' (PowerOff|Reboot)' "$tmp/logind.log")
    if [[ $status == 0 && $calls == 1 && $others == 1 ]]; then
        pass "$control ($clicks click): one $method(false), then the program ended with status 0"
    else
        fail "$control: status $status, log: $(tr '\n' ';' <"$tmp/logind.log")"
    fi
    stop_clock
done
finish
