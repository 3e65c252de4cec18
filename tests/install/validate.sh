#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what lands there with the freedesktop
# validators: the programs side by side, the launcher, the icons and the AppStream description.
#
#   validate.sh path/to/build-folder
set -uo pipefail
build=${1:?usage: $0 path/to/build-folder}
prefix=$(mktemp -d "${TMPDIR:-/tmp}/zktime-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=1; }

cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
for program in ZKTIME ZKtmpdel; do
    [[ -x $prefix/bin/$program ]] || fail "bin/$program is not installed"
done
launcher=$prefix/share/applications/com.zorvek.ZKTIME.desktop
metainfo=$prefix/share/metainfo/com.zorvek.ZKTIME.metainfo.xml
desktop-file-validate "$launcher" || fail "desktop-file-validate reports errors"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli reports errors"
icons=$prefix/share/icons/hicolor
for size in 16 22 24 32 48 64 128 256; do
    identify -format '%wx%h' "$icons/${size}x$size/apps/com.zorvek.ZKTIME.png" 2>/dev/null |
        grep -qx "${size}x$size" || fail "no ${size}x$size icon"
done
grep -q '<svg' "$icons/scalable/apps/com.zorvek.ZKTIME.svg" 2>/dev/null || fail "no scalable icon"
((failed == 0)) && echo "PASS: installed files are complete and valid"
exit "$failed"
