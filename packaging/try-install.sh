#!/usr/bin/env bash
# Installs the Debian package from BUILD_DIR as a user would (apt-get fetches what it depends
# on), starts keylon2-utility on a virtual X display and on the offscreen platform, removes the
# package and checks that none of its files is left. For CI: it changes the machine (as root).
#   try-install.sh BUILD_DIR
set -euo pipefail
cd "$1"
deb=$(ls keylon2-utility_*.deb 2>/dev/null | head -n 1)
[ -n "$deb" ] || { echo "try-install.sh: no package in $1 (run cpack -G DEB there)" >&2; exit 1; }
SUDO=
[ "$(id -u)" -eq 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get install -y -qq --no-install-recommends "./$deb" >/dev/null
files=$(dpkg -L keylon2-utility)
echo "installed:"; sed 's/^/  /' <<<"$files"

# It runs when it is still up after three seconds (timeout ends it with 124).
started() {
    local rc=0
    "$@" >/dev/null 2>&1 || rc=$?
    [ "$rc" -eq 124 ] || { echo "keylon2-utility did not keep running ($*: exit $rc)" >&2; return 1; }
}
started env QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" timeout 3 keylon2-utility
started env QT_QPA_PLATFORM=offscreen timeout 3 keylon2-utility
echo "keylon2-utility starts (xcb on Xvfb, offscreen)"

$SUDO apt-get purge -y -qq keylon2-utility >/dev/null
left=0
while read -r path; do
    [ -f "$path" ] || [ -L "$path" ] || continue
    echo "left behind: $path"; left=1
done <<<"$files"
[ "$left" -eq 0 ] && echo "purged: no file of the package is left"
exit $left
