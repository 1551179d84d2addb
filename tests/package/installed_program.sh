#!/usr/bin/env bash
# The Debian package as a user gets it: built with CPack, installed with apt (which resolves its
# dependencies), its desktop entry and metadata validated where they were installed, the
# installed program started under Xvfb until its window appears and its welcome is logged,
# closed, and the package removed again.
# usage: installed_program.sh BUILD_DIR   (as root, or as a user who may use sudo)
# shellcheck source=../e2e/lib.sh
set -uo pipefail
build=$(cd "${1:?the build folder}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive

step_fail() { echo "package test: $*" >&2; exit 1; }

echo "-- build the package"
(cd "$build" && rm -f numivox_*.deb && cpack -G DEB >cpack.log 2>&1) || { cat "$build/cpack.log"; step_fail "cpack failed"; }
deb=$(ls "$build"/numivox_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || step_fail "no .deb was made"
echo "   $(basename "$deb"): depends on $(dpkg-deb -f "$deb" Depends)"

echo "-- install it with apt"
"${sudo[@]}" apt-get install -y -q --no-install-recommends "$deb" >"$build/apt-install.log" 2>&1 \
    || { cat "$build/apt-install.log"; step_fail "apt could not install the package"; }
removed=no
remove_package() {
    if [ "$removed" = no ]; then
        "${sudo[@]}" apt-get remove -y -q numivox >/dev/null 2>&1 || echo "package test: removing the package failed" >&2
        removed=yes
    fi
}

status=0
for file in /usr/bin/numivox /usr/share/applications/org.numivox.Numivox.desktop \
    /usr/share/metainfo/org.numivox.Numivox.metainfo.xml \
    /usr/share/icons/hicolor/scalable/apps/org.numivox.Numivox.svg \
    /usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/org.numivox.Numivox.png; do
    [ -e "$file" ] || { echo "  not installed: $file"; status=1; }
done
desktop-file-validate /usr/share/applications/org.numivox.Numivox.desktop | grep -v '^.*: hint:' || true
desktop-file-validate /usr/share/applications/org.numivox.Numivox.desktop >/dev/null || status=1
appstreamcli validate --no-net /usr/share/metainfo/org.numivox.Numivox.metainfo.xml || status=1

echo "-- start the installed program"
(
    source "$here/../e2e/lib.sh"
    e2e_init /usr/bin/numivox "$build/tests/e2e/x_window_tool"
    start_xvfb
    start_program
    wait_window 60 || die "the installed program maps its window"
    pass "the installed program maps its window"
    check "it logs its welcome" wait_phrase "welcome to numivox, standard mode. click on flashcard to begin" 0 60
    close_window || fail "the close request is sent"
    wait_exit 15
    check "it ends with status 0 when closed (status $APP_STATUS)" test "$APP_STATUS" = 0
    e2e_finish
) || status=1

echo "-- remove it"
remove_package
[ ! -e /usr/bin/numivox ] || { echo "  /usr/bin/numivox is still there"; status=1; }
[ $status -eq 0 ] && echo "package test: passed" || echo "package test: FAILED"
exit $status
