#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR, lists its content, checks that every path of
# FILES_LIST is in it, and validates its desktop entry and metainfo.
#   check-package.sh BUILD_DIR FILES_LIST
set -euo pipefail
build_dir=$(cd "$1" && pwd)
files_list=$2
cd "$build_dir"
rm -f keylon2-utility_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }
deb=$(ls keylon2-utility_*.deb)
echo "== $deb"
dpkg-deb -I "$deb" | sed -n '/Depends/p'
echo "== content"
dpkg-deb -c "$deb"

status=0
listing=$(dpkg-deb -c "$deb" | awk '{print $6}' | sed 's|^\./||')
while read -r path; do
    case "$path" in ''|'#'*) continue ;; esac
    grep -qxF "$path" <<<"$listing" || { echo "missing from the package: $path"; status=1; }
done <"$files_list"

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked"
echo "== desktop-file-validate"
desktop-file-validate "$unpacked"/usr/share/applications/*.desktop || status=1
echo "== appstreamcli validate"
appstreamcli validate --no-net "$unpacked"/usr/share/metainfo/*.metainfo.xml || status=1
exit $status
