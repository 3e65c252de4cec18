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
((failed == 0)) && echo "PASS: installed files are complete and valid"
exit "$failed"
