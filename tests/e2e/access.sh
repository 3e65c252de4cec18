#!/usr/bin/env bash
# What a screen reader and a keyboard user meet, through the accessibility bus, with LANG=C: the
# greeting window, every tab of the settings window and the password dialog have a name for each
# control and a press action on each clicked label; a ringing alarm is an alert with 確認(K)
# focused; a note is added and its deletion asked for, in Japanese, by keyboard alone.
# Screenshots e2e-focus-TAB.png show the focus on each tab (TAB: the tab's access key).
#
#   access.sh path/to/ZKTIME        (ZK_E2E_WM=openbox: under openbox)
set -uo pipefail
# The accessibility bus is found through a session bus of its own.
[[ -n ${ZK_OWN_BUS:-} ]] || exec env ZK_OWN_BUS=1 dbus-run-session -- "$0" "$@"
# shellcheck source=tests/e2e/common.sh
source "$(dirname "$(realpath "$0")")/common.sh" "$@"
need /usr/libexec/at-spi-bus-launcher
/usr/libexec/at-spi-bus-launcher --launch-immediately &
spi() { /usr/bin/python3 "$(dirname "$(realpath "$0")")/../support/atspi.py" "$@" 2>/dev/null; }
keys() { for key; do press "$key"; done; }
seed_store "('set','OPENCheck','0')" "('$(date +%Y/%m/%d)','1','会議')" "('ALM','onoff1','1')" \
    "('ALM','MSG1','起床')" "('ALM','ALMTIM1','$(time_in 10)')"
start_clock QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 LANG=C LC_ALL=C
find_sized 484x135 >/dev/null && sleep 1 # the greeting window, sliding in
walks=$(spi walk)
check "the alarm rings" wait_ring "$clock" 15
check "the ring is an alert, 確認(K) focused" has "$(sleep 0.6; spi alert)" "起床 ['確認(K)']"
press Return

open_settings
keys alt+k Right Return
xdotool type --delay 30 "typed note"
press Return
tomorrow=$(date -d tomorrow +%Y/%m/%d)
check "a note typed for tomorrow is stored" test "$(stored "$tomorrow" 1)" = "typed note"
for tab in t h v m c k; do
    keys alt+$tab Tab
    import -window "$sid" "$out/e2e-focus-$tab.png"
    walks+=$'\n'$(spi walk)
done
keys Down Delete # on the list of notes, where the calendar's Tab went
check "the deletion is asked with はい and いいえ" has "$(spi alert)" "はい(Y)" "いいえ(N)"
press alt+n
check "いいえ keeps the note" test "$(stored "$tomorrow" 1)" = "typed note"
spi press パスワードの変更
walks+=$'\n'$(sleep 0.5; spi walk)
grep . <<<"$walks"
check "every control named, every clicked label a button" not grep -qv '^walked\|^$' <<<"$walks"
finish
