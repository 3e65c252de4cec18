#!/usr/bin/env bash
# End-to-end check that a ringing alarm is heard: the clock plays through a private PulseAudio
# server with a null sink, whose monitor is recorded across the ring and measured with sox. A
# known sound played first checks the recording itself.
#
#   sound.sh path/to/ZKTIME
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
for tool in pulseaudio parec paplay sox; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
((failed == 0)) || finish

# The loudest sample recorded while the given command runs, from 0 to 1.
peak_while() {
    parec --latency-msec=50 -d null.monitor --file-format=wav "$tmp/rec.wav" &
    local recorder=$!
    sleep 0.3
    "$@"
    kill -INT "$recorder"
    wait "$recorder"
    sox "$tmp/rec.wav" -n stat 2>&1 | awk '/Maximum amplitude/ {print $NF}'
}
loud() { awk -v peak="$1" 'BEGIN { exit !(peak > 0.02) }'; }

pulseaudio --daemonize=no -n -L module-null-sink -L module-native-protocol-unix \
    --exit-idle-time=-1 >"$tmp/pulse.log" 2>&1 &
pulse_pid=$!
trap 'kill "$pulse_pid" 2>/dev/null; cleanup' EXIT
for ((i = 0; i < 100; i++)); do pactl info >/dev/null 2>&1 && break; sleep 0.05; done

peak=$(peak_while paplay /usr/share/sounds/freedesktop/stereo/bell.oga)
loud "$peak" || { fail "the rig records nothing (peak $peak of a played bell)"; finish; }

seed_store "('set','OPENCheck','1')" "('ALM','onoff1','1')" "('ALM','ALMTIM1','$(time_in 4)')"
start_clock
wid=$(find_window) || { fail "the clock did not appear"; finish; }
ring_heard() { wait_ring "$wid" 10 && sleep 2; }
peak=$(peak_while ring_heard)
if loud "$peak"; then
    pass "the ring is heard through the sound server (peak $peak)"
else
    fail "the ring was silent (peak $peak; strip at $geometry)"
fi
finish
