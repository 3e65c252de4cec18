# Shared by the end-to-end scripts: a private X server, a fresh home, the real ZKTIME, and
# small helpers to find windows and read pixels. Source it after setting bin and out.
#
# ZK_E2E_WM=openbox runs the program under openbox, as users run it under a window manager;
# unset or "none" runs it on the bare X server; "gnome" in a headless GNOME Shell (XWayland) from
# the kit in ZK_GNOME_KIT (by default ../shared/tools/gnome-session beside the repository), and
# the script is skipped (status 77) where there is none. Checks of what only a window manager does
# (focus rules, layers, closing) look at $wm.
# shellcheck shell=bash
# shellcheck source=scripts/lib.sh
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib.sh"

if (($# != 1)) || [[ ! -x $1 ]]; then
    echo "usage: $0 path/to/ZKTIME" >&2
    exit 2
fi
bin=$(realpath "$1")
out=$PWD
readonly title='^ZORVEK Inc\.TIME$'
passed=0
failed=0
pass() { echo "PASS: $*"; passed=$((passed + 1)); }
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
finish() {
    if ((failed > 0)) && [[ -s ${log:-} ]]; then
        echo "output of ZKTIME:"
        sed 's/^/    /' "$log"
fi
    echo "$passed passed, $failed failed"
    ((failed == 0)) && exit 0
    exit 1
}

wm=${ZK_E2E_WM:-none}
kit=${ZK_GNOME_KIT:-$(zk_root)/../shared/tools/gnome-session}
if [[ $wm == gnome && ! -x $kit/start ]]; then
    echo "SKIP: no GNOME Shell test kit at $kit"
    exit 77
fi
tools=(Xvfb xdotool import convert compare sqlite3 xprop xwininfo)
[[ $wm == openbox ]] && tools+=(openbox wmctrl)
[[ $wm == gnome ]] && tools+=(gnome-shell Xwayland)
for tool in "${tools[@]}"; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done
((failed == 0)) || finish

tmp=$(mktemp -d "${TMPDIR:-/tmp}/zktime-e2e.XXXXXX")
clock_pid=
wm_pid=
cleanup() {
    stop_xterm
    [[ -n $clock_pid ]] && kill "$clock_pid" 2>/dev/null && wait "$clock_pid" 2>/dev/null
    [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
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
    for ((i = 0; i < 100; i++)); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.05
    done
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' ||
        { fail "openbox did not start"; finish; }
fi

start_clock() {
    "$bin" >>"$log" 2>&1 &
    clock_pid=$!
}

stop_clock() {
    [[ -n $clock_pid ]] || return 0
    kill "$clock_pid" 2>/dev/null
    wait "$clock_pid" 2>/dev/null
    clock_pid=
}

# Prints the id of the mapped clock window; fails after 10 s.
find_window() {
    local deadline=$((SECONDS + 10)) ids
    while ((SECONDS < deadline)); do
        if ids=$(xdotool search --onlyvisible --name "$title" 2>/dev/null) && [[ -n $ids ]]; then
            head -n 1 <<<"$ids"
            return 0
        fi
        sleep 0.02
    done
    return 1
}

is_mapped() { xdotool search --onlyvisible --name "$title" 2>/dev/null | grep -qx "$1"; }

# Sets geometry to "X,Y WIDTHxHEIGHT" of the window, waiting up to 2 s for the wanted one.
geometry=
wait_geometry() {
    local wid=$1 wanted=$2 deadline=$((SECONDS + 2)) key value X Y WIDTH HEIGHT
    while :; do
        X='' Y='' WIDTH='' HEIGHT=''
        while IFS='=' read -r key value; do
            case $key in X | Y | WIDTH | HEIGHT) printf -v "$key" '%s' "$value" ;; esac
        done < <(xdotool getwindowgeometry --shell "$wid" 2>/dev/null)
        geometry="$X,$Y ${WIDTH}x$HEIGHT"
        [[ $geometry == "$wanted" ]] && return 0
        ((SECONDS < deadline)) || return 1
        sleep 0.1
    done
}

# Prints "r g b" (0 to 255) of one pixel of an image.
pixel() {
    local f="p{$2,$3}"
    convert "$1" -format "%[fx:int(255*$f.r+0.5)] %[fx:int(255*$f.g+0.5)] %[fx:int(255*$f.b+0.5)]" info:
}

# Prints "r g b" of one pixel of the screen.
screen_pixel() {
    shoot "1x1+$1+$2" "$tmp/pixel.png"
    pixel "$tmp/pixel.png" 0 0
}

# near "r g b" "R G B" tolerance: every channel within the tolerance.
near() {
    local -a a b
    read -r -a a <<<"$1"
    read -r -a b <<<"$2"
    local i d
    for i in 0 1 2; do
        d=$((a[i] - b[i]))
        ((d < 0)) && d=$((-d))
        ((d <= $3)) || return 1
    done
}

# Number of pixels that differ between two images of one size.
differing_pixels() {
    local n
    n=$(compare -metric AE "$1" "$2" null: 2>&1)
    # A difference gives status 1; only 2 is an error.
    [[ $n =~ ^[0-9.e+]+$ ]] || { echo "error: $n" >&2; echo -1; return; }
    awk -v n="$n" 'BEGIN { printf "%d\n", n }'
}

# Pixels darker than mid-grey in an image: text drawn in black over the gradient.
dark_pixels() {
    convert "$1" -colorspace Gray -threshold 40% -format '%[fx:int((1-mean)*w*h+0.5)]' info:
}

# Number of pixels that differ in one region (WxH+X+Y) of two images.
region_changed() {
    convert "$1" -crop "$3" +repage "$tmp/region-a.png"
    convert "$2" -crop "$3" +repage "$tmp/region-b.png"
    differing_pixels "$tmp/region-a.png" "$tmp/region-b.png"
}


# Prints the id of a mapped window of the program with the given size ("484x135"); fails after 10 s.
find_sized() {
    local deadline=$((SECONDS + 10)) id
    while ((SECONDS < deadline)); do
        for id in $(xdotool search --onlyvisible --class ZKTIME 2>/dev/null); do
            xdotool getwindowgeometry "$id" 2>/dev/null | grep -q "Geometry: $1\$" && { echo "$id"; return 0; }
        done
        sleep 0.05
    done
    return 1
}

stored() { sqlite3 "$store" "SELECT value FROM settings WHERE section='$1' AND key='$2'"; }

# Creates the store afresh with the given rows, each "('section','key','value')".
seed_store() {
    rm -rf "$store_dir"
    mkdir -m 0700 "$store_dir"
    local IFS=,
    (umask 077 && sqlite3 "$store" \
        "CREATE TABLE settings(section TEXT NOT NULL COLLATE NOCASE, key TEXT NOT NULL COLLATE NOCASE,
                               value TEXT NOT NULL, PRIMARY KEY(section, key));
         INSERT INTO settings VALUES $*;")
}

# Prints "X,Y" of a window's outer corner: its frame's under a window manager.
frame_origin() {
    local id=$1 parent
    while parent=$(xwininfo -tree -id "$id" | grep 'Parent window id:') &&
        [[ $parent != *"(the root window)"* ]]; do
        id=$(awk '{print $4}' <<<"$parent")
    done
    xwininfo -id "$id" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                              END {print x "," y}'
}

# The window manager states of a window, as xprop names them.
wm_states() { xprop -id "$1" _NET_WM_STATE 2>/dev/null; }

# Prints "X,Y" of a window's own top-left corner on the screen (inside any frame).
window_origin() {
    xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                             END {print x "," y}'
}

focused_window() { xdotool getwindowfocus 2>/dev/null; }

# --- Alarms over other windows ----------------------------------------------------------------
readonly magenta="255 0 255"
xterm_pid=
stop_xterm() {
    [[ -n $xterm_pid ]] && kill "$xterm_pid" 2>/dev/null && wait "$xterm_pid" 2>/dev/null
    xterm_pid=
}
# Starts an xterm with the given options, painted magenta; sets xterm_id.
start_xterm() {
    xterm -bg '#ff00ff' -fg '#ff00ff' "$@" -e sleep 600 2>/dev/null &
    xterm_pid=$!
    local deadline=$((SECONDS + 10))
    until xterm_id=$(xdotool search --onlyvisible --pid "$xterm_pid" 2>/dev/null | head -n 1) &&
        [[ -n $xterm_id ]]; do
        ((SECONDS < deadline)) || return 1
        sleep 0.05
    done
    xdotool windowactivate --sync "$xterm_id" 2>/dev/null || xdotool windowfocus --sync "$xterm_id"
    sleep 0.3
}

# The store's time text of the moment the given number of seconds from now.
time_in() { date -d "@$(($(date +%s) + $1))" +%-H:%M:%S; }

# Waits up to the given number of seconds for the window to fill the 1024x768 screen.
wait_ring() {
    local deadline=$(($(date +%s%N) + $2 * 1000000000))
    until wait_geometry "$1" "0,0 1024x768" 2>/dev/null; do
        (($(date +%s%N) < deadline)) || return 1
    done
}
