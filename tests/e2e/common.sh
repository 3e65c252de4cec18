# Shared by the end-to-end scripts: a private X server, a fresh home, the real ZKTIME, and
# small helpers to report checks, find windows and read pixels. Source it with the program's path.
#
# ZK_E2E_WM=openbox runs the program under openbox, as users run it under a window manager;
# unset or "none" runs it on the bare X server; "gnome" in a headless GNOME Shell (XWayland) from
# the kit in ZK_GNOME_KIT (by default ../shared/tools/gnome-session beside the repository), and
# the script is skipped (status 77) where there is none. Checks of what only a window manager does
# (focus rules, layers, closing) look at $wm.
# shellcheck shell=bash disable=SC2034  # variables for the scripts that source it
# shellcheck source=scripts/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"

[[ $# == 1 && -x $1 ]] || { echo "usage: $0 path/to/ZKTIME" >&2; exit 2; }
bin=$(realpath "$1")
out=$PWD
readonly title='^ZORVEK Inc\.TIME$'
passed=0 failed=0 seen=''
pass() { echo "PASS: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); return 1; }
finish() {
    ((failed > 0)) && [[ -s ${log:-} ]] && sed -e '1i output of ZKTIME:' -e 's/^/    /' "$log"
    echo "$passed passed, $failed failed"
    exit $((failed > 0))
}

# check WHAT COMMAND...: passes or fails by the command's status, which it returns. A failure
# shows the command and what the helpers below last saw (they leave it in seen).
check() {
    seen=
    "${@:2}" && { pass "$1"; return 0; }
    fail "$1 [${*:2}${seen:+ / saw: $seen}]"
}
not() { ! "$@"; }
# Runs a command every 50 ms until it succeeds, at most the given number of times.
retry() {
    local n=$1
    until "${@:2}"; do
        ((--n > 0)) || return 1
        sleep 0.05
    done
}
# has TEXT WORD...: whether the text holds every word.
has() {
    local word
    for word in "${@:2}"; do [[ $1 == *"$word"* ]] || return 1; done
}
need() {
    local tool
    for tool; do command -v "$tool" >/dev/null || fail "$tool is not installed"; done
    ((failed == 0)) || finish
}
ms() { echo $(($(date +%s%N) / 1000000)); }
# Ends a process started here and returns its status.
end() { kill "$1" 2>/dev/null; wait "$1" 2>/dev/null; }

wm=${ZK_E2E_WM:-none}
kit=${ZK_GNOME_KIT:-$(zk_root)/../shared/tools/gnome-session}
[[ $wm == gnome && ! -x $kit/start ]] && { echo "SKIP: no GNOME Shell test kit at $kit"; exit 77; }
need Xvfb xdotool import convert compare sqlite3 xprop xwininfo
[[ $wm == openbox ]] && need openbox wmctrl
[[ $wm == gnome ]] && need gnome-shell Xwayland

tmp=$(mktemp -d "${TMPDIR:-/tmp}/zktime-e2e.XXXXXX")
clock_pid='' wm_pid='' xterm_pid=''
cleanup() {
    stop_xterm
    stop_clock
    [[ -n $wm_pid ]] && end "$wm_pid"
    [[ $wm == gnome ]] && "$kit/stop" "$tmp/desk" >/dev/null
    zk_stop_xvfb
    rm -rf "$tmp"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

if [[ $wm == gnome ]]; then
    # Its own home, buses and XDG folders, all inside the kit's folder.
    "$kit/start" "$tmp/desk" >"$tmp/desk.log" 2>&1 ||
        { cat "$tmp/desk.log"; fail "GNOME Shell did not start"; finish; }
    # shellcheck disable=SC1091
    source "$tmp/desk/env.sh"
    # Real input through the compositor; screenshots from it (the X root cannot be read there).
    input() { "$kit/input" "$tmp/desk" "$@" >/dev/null; }
    shoot() {
        local size=${1%%+*} at=${1#*+}
        "$kit/shot" "$tmp/desk" "$2" "${at%+*}" "${at#*+}" "${size%x*}" "${size#*x}" >/dev/null
    }
else
    export HOME=$tmp/home XDG_CONFIG_HOME=$tmp/config XDG_DATA_HOME=$tmp/data
    export XDG_CACHE_HOME=$tmp/cache XDG_RUNTIME_DIR=$tmp/runtime
    mkdir -p "$HOME" "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME"
    mkdir -m 0700 "$XDG_RUNTIME_DIR"
    unset DISPLAY
    zk_start_xvfb || { fail "Xvfb did not start"; finish; }
    export DISPLAY=$ZK_XVFB_DISPLAY
    shoot() { import -window root -crop "$1" +repage "$2"; }
fi
# The program must choose the X platform by itself.
unset WAYLAND_DISPLAY QT_QPA_PLATFORM
store_dir="$XDG_CONFIG_HOME/ZORVEK Inc.TIME"
store="$store_dir/settings.db"
log=$tmp/clock.log

if [[ $wm == openbox ]]; then
    openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
    wm_pid=$!
    wm_up() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    retry 100 wm_up || { fail "openbox did not start"; finish; }
fi

# Starts the program with the environment settings given ("NAME=value") and sets clock to the id
# of its window.
# shellcheck disable=SC2120  # mostly without any
start_clock() {
    env "$@" "$bin" >>"$log" 2>&1 &
    clock_pid=$!
    clock=$(find_window) || { fail "the clock did not appear"; finish; }
}

# Ends the program if it still runs, sets status to how it ended (143: ended here), and waits
# for the window manager to let go of its window: the next copy's window may get the same id, and
# GNOME Shell then drops its states.
stop_clock() {
    [[ -n $clock_pid ]] || return 0
    end "$clock_pid"
    status=$? clock_pid=
    retry 40 not managed "$clock"
}

running() { kill -0 "$clock_pid" 2>/dev/null; }

# Creates the store afresh with the given rows, each "('section','key','value')".
seed_store() {
    rm -rf "$store_dir" && mkdir -m 0700 "$store_dir"
    local IFS=,
    (umask 077 && sqlite3 "$store" "CREATE TABLE settings(section TEXT NOT NULL COLLATE NOCASE,
        key TEXT NOT NULL COLLATE NOCASE, value TEXT NOT NULL, PRIMARY KEY(section, key));
        INSERT INTO settings VALUES $*;")
}

stored() { sqlite3 "$store" "SELECT value FROM settings WHERE section='$1' AND key='$2'"; }
stored_as() { seen=$(stored "$1" "$2") && [[ $seen == "$3" ]]; }

# --- Windows ----------------------------------------------------------------------------------
visible() { xdotool search --onlyvisible "$@" 2>/dev/null; }
# Prints the id of the mapped clock window; fails after about 10 s.
find_window() { retry 200 visible --limit 1 --name "$title"; }
is_mapped() { visible --class ZKTIME | grep -qx "$1"; }
managed() { xprop -root _NET_CLIENT_LIST 2>/dev/null | grep -qw "$(printf '0x%x' "$1")"; }

sized() {
    visible --class ZKTIME getwindowgeometry %@ | awk -v size="$1" '/^Window/ {id = $2}
        $1 == "Geometry:" && $2 == size {print id; found = 1; exit} END {exit !found}'
}
# Prints the id of a mapped window of the program with the given size ("484x135"); fails after
# about 10 s.
find_sized() { retry 200 sized "$1"; }

# Prints "X,Y WIDTHxHEIGHT" of a window as xdotool reports it: under a window manager X,Y is
# not the window's own corner.
geometry_of() {
    xdotool getwindowgeometry --shell "$1" 2>/dev/null |
        awk -F= '{v[$1] = $2} END {print v["X"] "," v["Y"] " " v["WIDTH"] "x" v["HEIGHT"]}'
}
at() { seen=$(geometry_of "$1") && [[ $seen == "$2" ]]; }
# Waits up to about 2 s for the window to be at "X,Y WIDTHxHEIGHT".
wait_geometry() { retry 40 at "$@"; }

# wm_state WINDOW STATE...: whether the window manager gives the window every state (ABOVE...).
wm_state() { seen=$(xprop -id "$1" _NET_WM_STATE 2>/dev/null) && has "$seen" "${@:2}"; }
has_focus() { seen=$(xdotool getwindowfocus 2>/dev/null) && [[ $seen == "$1" ]]; }
activate() { xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1"; }

# click WINDOW X Y [xdotool click arguments], X and Y in the program's pixels at the scale a
# script sets, and press KEY...: then xdotool gives the program half a second to answer.
scale=1
click() { xdotool mousemove --window "$1" $((scale * $2)) $((scale * $3)) click "${@:4}" sleep .5; }
double_click() { click "$@" --repeat 2 --delay 60 1; }
press() { xdotool key "$@" sleep 0.5; }

# Double-clicks the strip's date and sets sid to the settings window that opens.
open_settings() {
    double_click "$clock" 40 8
    sid=$(find_sized $((427 * scale))x$((347 * scale))) ||
        { fail "no settings window after a double click on the date"; finish; }
    sleep 0.3
}

# Whether two images of one size differ.
differs() {
    seen=$(compare -metric AE "$1" "$2" null: 2>&1)
    # A difference gives status 1; only 2 is an error.
    [[ $seen =~ ^[0-9.e+]+$ && $seen != 0 ]]
}

# --- Alarms over other windows ----------------------------------------------------------------
stop_xterm() { [[ -z $xterm_pid ]] || end "$xterm_pid"; xterm_pid=; }
# Starts an xterm with the given options, painted magenta, and focuses it (GNOME Shell: the
# script clicks it); sets xterm_id.
start_xterm() {
    xterm -bg '#ff00ff' -fg '#ff00ff' "$@" -e sleep 600 2>/dev/null &
    xterm_pid=$!
    xterm_id=$(retry 200 visible --limit 1 --pid "$xterm_pid") || return 1
    [[ $wm == gnome ]] || activate "$xterm_id"
    sleep 0.3
}

# The store's time text of the moment the given number of seconds from now.
time_in() { date -d "@$(($(date +%s) + $1))" +%-H:%M:%S; }

ringing() { is_mapped "$1" && at "$1" "0,0 1024x768"; }
# Waits up to about the given number of seconds for the window to fill the 1024x768 screen.
wait_ring() { retry $(($2 * 20)) ringing "$1"; }

# The number of pixels of the magenta xterm in a screenshot taken now into the given file.
magenta() {
    shoot 1024x768+0+0 "$1"
    convert "$1" -fuzz 20% -fill black +opaque '#f0f' -fill white -opaque '#f0f' \
        -format '%[fx:int(mean*w*h+0.5)]' info:
}
covers_xterm() { seen="$(magenta "$1") pixels of the xterm" && [[ $seen == "0 "* ]]; }
