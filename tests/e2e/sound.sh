#!/usr/bin/env bash
# shellcheck disable=SC2317  # functions called through peak_while
# End-to-end check that a ringing alarm is heard: the clock plays through a private PulseAudio
# server with a null sink, whose monitor is recorded across the ring and measured with sox. A
# known sound played first checks the recording itself.
#
#   sound.sh path/to/ZKTIME
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
need pulseaudio pactl parec paplay sox

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
retry 100 pactl info >/dev/null 2>&1

peak=$(peak_while paplay /usr/share/sounds/freedesktop/stereo/bell.oga)
loud "$peak" || { fail "the rig records nothing (peak $peak of a played bell)"; finish; }

seed_store "('set','OPENCheck','1')" "('ALM','onoff1','1')" "('ALM','ALMTIM1','$(time_in 4)')"
start_clock
ring_heard() { wait_ring "$clock" 10 && sleep 2; }
peak=$(peak_while ring_heard)
check "the ring is heard through the sound server (peak $peak)" loud "$peak"
finish
