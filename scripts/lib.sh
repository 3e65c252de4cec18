# Shared by scripts/run, scripts/test and the end-to-end tests; source it, do not run it.
# shellcheck shell=bash disable=SC2034

# Everything the build, the program and its tests need from Debian.
ZK_PACKAGES=(
    build-essential cmake qt6-base-dev qt6-svg-dev libgl-dev libsqlite3-dev libxcb1-dev
    libcanberra-dev libcanberra-pulse sound-theme-freedesktop qt6-translations-l10n
    xvfb xauth xdotool imagemagick sqlite3
    fonts-ipafont-gothic fonts-ipafont-mincho
)
# Only the tests need these: a window manager and the tools that look at windows, a mock logind
# on a private bus, GTK's recent-files list, the freedesktop validators, a private sound server
# with its recorder, libfaketime, a headless GNOME Shell, and the accessibility bus with its
# Python client.
ZK_TEST_PACKAGES=(
    openbox wmctrl x11-utils xterm
    python3-dbusmock python3-gi gir1.2-gtk-3.0 desktop-file-utils appstream dbus
    pulseaudio pulseaudio-utils sox faketime
    gnome-shell xwayland dbus-daemon dbus-bin libglib2.0-bin python3-dbus
    at-spi2-core gir1.2-atspi-2.0
)

zk_root() { cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd; }

# Prints which of ZK_PACKAGES and the packages given are not installed.
zk_missing_packages() {
    local package
    for package in "${ZK_PACKAGES[@]}" "$@"; do
        # "dpkg -s" also succeeds for a removed package whose configuration files remain.
        dpkg -s "$package" 2>/dev/null | grep -qx 'Status: install ok installed' ||
            printf '%s\n' "$package"
    done
}

# Installs whichever of ZK_PACKAGES and the packages given are missing; returns non-zero when
# that cannot be done.
zk_install_packages() {
    if ! command -v dpkg >/dev/null || ! command -v apt-get >/dev/null; then
        echo "error: dpkg and apt-get are needed to check and install packages (Debian 12)." >&2
        return 1
    fi
    local -a missing
    mapfile -t missing < <(zk_missing_packages "$@")
    if ((${#missing[@]} == 0)); then
        echo "All required packages are installed."
        return 0
    fi
    echo "Missing packages: ${missing[*]}"

    local -a as_root
    if [[ $(id -u) -eq 0 ]]; then
        as_root=()
    elif command -v sudo >/dev/null; then
        # Without a terminal sudo could not ask for a password; it must then fail, not hang.
        if [[ -t 0 ]]; then as_root=(sudo); else as_root=(sudo -n); fi
    else
        echo "error: installing needs root and sudo is not available." >&2
        echo "Run as root:  apt-get update && apt-get install -y ${missing[*]}" >&2
        return 1
    fi

    if ! "${as_root[@]}" apt-get update; then
        echo "error: 'apt-get update' failed${as_root:+ (through sudo)}." >&2
        echo "Install by hand:  apt-get install -y ${missing[*]}" >&2
        return 1
    fi
    if ! "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
            apt-get install -y --no-install-recommends "${missing[@]}"; then
        echo "error: could not install: ${missing[*]}" >&2
        return 1
    fi
    mapfile -t missing < <(zk_missing_packages "$@")
    if ((${#missing[@]} > 0)); then
        echo "error: still missing after installing: ${missing[*]}" >&2
        return 1
    fi
    echo "Packages installed."
}

zk_have_display() { [[ -n ${DISPLAY:-} || -n ${WAYLAND_DISPLAY:-} ]]; }

# Starts Xvfb with a 1024x768 screen on the first free display from :99 upwards and waits until
# it accepts clients. Sets ZK_XVFB_DISPLAY and ZK_XVFB_PID; stop it with zk_stop_xvfb.
ZK_XVFB_PID=
ZK_XVFB_DISPLAY=
zk_start_xvfb() {
    local n i
    for ((n = 99; n < 200; n++)); do
        [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
        # -noreset: by default the server resets when its last client leaves, and refuses
        # connections meanwhile; the readiness probe below is such a client.
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        ZK_XVFB_PID=$!
        for ((i = 0; i < 100; i++)); do
            # It exits at once when another server took the number meanwhile; try the next.
            kill -0 "$ZK_XVFB_PID" 2>/dev/null || break
            if DISPLAY=":$n" xdotool getdisplaygeometry >/dev/null 2>&1; then
                ZK_XVFB_DISPLAY=":$n"
                return 0
            fi
            sleep 0.05
        done
        zk_stop_xvfb
    done
    echo "error: could not start Xvfb on any display from :99 to :199." >&2
    return 1
}

zk_stop_xvfb() {
    if [[ -n $ZK_XVFB_PID ]]; then
        kill "$ZK_XVFB_PID" 2>/dev/null
        wait "$ZK_XVFB_PID" 2>/dev/null
    fi
    ZK_XVFB_PID=
    ZK_XVFB_DISPLAY=
}
