#!/usr/bin/env bash
# End-to-end checks of an alarm whose second is skipped: under libfaketime the clock's wall time
# jumps forward, as after a suspend or an NTP step, while its timers keep the real pace. A jump
# over an alarm due five minutes ahead rings it at once; one that leaves it 35 minutes behind
# does not.
#
#   late.sh path/to/ZKTIME
set -uo pipefail

# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
faketime=$(find /usr/lib -name libfaketime.so.1 -print -quit 2>/dev/null)
[[ -n $faketime ]] || { fail "libfaketime is not installed"; finish; }
export FAKETIME_TIMESTAMP_FILE=$tmp/offset FAKETIME_NO_CACHE=1 DONT_FAKE_MONOTONIC=1
# The sanitizer's runtime would otherwise insist on being loaded first.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0

# jump SECONDS [not]: an alarm five minutes ahead, then the clock moved forward; it rings at once,
# or with "not" does not.
jump() {
    echo "+0" >"$FAKETIME_TIMESTAMP_FILE"
    seed_store "('set','OPENCheck','1')" "('ALM','onoff1','1')" "('ALM','ALMTIM1','$(time_in 300)')"
    start_clock LD_PRELOAD="$faketime"
    sleep 1.5
    echo "+$1" >"$FAKETIME_TIMESTAMP_FILE"
    check "a jump of $1 s over an alarm 300 s ahead: ${2:+not }rung" \
        "${@:2}" wait_ring "$clock" 2
    stop_clock
}
jump 600
jump 2400 not
finish
