#!/usr/bin/env bash
# Builds the Debian package in BUILD_DIR, lists its content, checks that every path of
# FILES_LIST is in it, validates its desktop entry and metainfo, checks that its changelog
# speaks of its version, checks the station's systemd unit (systemd-analyze verify, and its
# security exposure at most 2.0), and runs lintian on it: no error and no warning.
#   check-package.sh BUILD_DIR FILES_LIST
set -euo pipefail
build_dir=$(cd "$1" && pwd)
files_list=$2
cd "$build_dir"
rm -f keylon2-utility_*.deb
cpack -G DEB >cpack.log 2>&1 || { cat cpack.log; exit 1; }
deb=$(ls keylon2-utility_*.deb)
echo "== $deb"
dpkg-deb -I "$deb" | sed -n '/Depends/p;/Recommends/p'
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
echo "== the desktop entry and the metainfo in every language of po/LINGUAS"
for language in $(cat "$(dirname "$0")/../po/LINGUAS"); do
    for key in Name GenericName Comment Keywords; do
        grep -q "^$key\[$language\]=" "$unpacked"/usr/share/applications/*.desktop \
            || { echo "the desktop entry has no $key[$language]"; status=1; }
    done
    for element in name summary p; do
        grep -q "<$element xml:lang=\"$language\">" "$unpacked"/usr/share/metainfo/*.metainfo.xml \
            || { echo "the metainfo has no <$element> in $language"; status=1; }
    done
done
echo "== changelog"
version=$(dpkg-deb -f "$deb" Version)
zcat "$unpacked"/usr/share/doc/keylon2-utility/changelog.gz >"$unpacked/changelog"
logged=$(dpkg-parsechangelog -l "$unpacked/changelog" -S Version)
echo "package $version, changelog $logged"
[ "$version" = "$logged" ] || { echo "the changelog's latest entry is not the package's version"; status=1; }
echo "== systemd-analyze: the station's unit"
# An instance of the template, as the package installs it, with the package's own keylon2ctl.
unit=keylon2-station@.service
instance=keylon2-station@site.service
if [ ! -f "$unpacked/usr/lib/systemd/system/$unit" ]; then
    echo "the package has no $unit"; status=1
elif ! command -v systemd-analyze >/dev/null 2>&1; then
    echo "systemd-analyze not found (package systemd)"; status=1
else
    # Units it names that the package does not bring (the system's targets) are not its errors.
    systemd-analyze verify --man=no --recursive-errors=no --root="$unpacked" "$instance" \
        && echo "verify: clean" || { echo "systemd-analyze verify found errors"; status=1; }
    security=$(systemd-analyze security --offline=yes --root="$unpacked" --threshold=20 "$instance" 2>&1) \
        || { echo "$security"; echo "the unit's exposure is above 2.0"; status=1; }
    tail -n 1 <<<"$security"
fi
echo "== lintian"
# Root gets a note that lintian need not run as root; it changes nothing.
lintian_status=0
tags=$(lintian --fail-on error,warning "$deb" 2>&1) || lintian_status=$?
grep -v '^running with root privileges' <<<"$tags" || true
[ "$lintian_status" -eq 0 ] || { echo "lintian found errors or warnings"; status=1; }
exit $status
