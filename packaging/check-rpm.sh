#!/usr/bin/env bash
# Builds the RPM from BUILD_DIR (and the .deb beside it, to compare), shows its header,
# dependencies and scriptlets, runs rpmlint on it with RPM_DIR/rpmlint.toml (no error and no
# warning; each message the file lets pass is explained there), and compares its files
# with the .deb's: every difference must be one RPM_DIR/file-differences.txt lists, and every
# one listed must be there.
#   check-rpm.sh BUILD_DIR RPM_DIR
set -euo pipefail
build_dir=$(cd "$1" && pwd)
rpm_dir=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$build_dir"
for generator in RPM DEB; do
    cpack -G $generator -B "$work/packages" >"$work/cpack-$generator.log" 2>&1 \
        || { cat "$work/cpack-$generator.log"; exit 1; }
done
rpm_file=$(ls "$work"/packages/keylon2-utility-*.rpm)
deb=$(ls "$work"/packages/keylon2-utility_*.deb)
status=0

echo "== $(basename "$rpm_file")"
rpm -qp --qf 'Name: %{NAME}\nVersion: %{VERSION}-%{RELEASE}\nLicense: %{LICENSE}\n' "$rpm_file"
echo "== requires"
rpm -qp --requires "$rpm_file"
echo "== scriptlets"
rpm -qp --scripts "$rpm_file"
# A macro the scriptlets name that rpm could not expand would stay as text and fail at install.
if rpm -qp --scripts "$rpm_file" | grep -q '%[{a-z_]'; then
    echo "a scriptlet holds an unexpanded macro"; status=1
fi
for script in POSTIN PREUN POSTUN; do
    rpm -qp --qf "%{$script}" "$rpm_file" >"$work/$script.sh"
    sh -n "$work/$script.sh" || { echo "the $script scriptlet is not valid sh"; status=1; }
done
echo "== content"
rpm -qp --qf '[%{FILEMODES:perms} %{FILEUSERNAME}:%{FILEGROUPNAME} %{FILENAMES}\n]' "$rpm_file"

echo "== rpmlint"
lint_status=0
rpmlint -c "$rpm_dir/rpmlint.toml" "$rpm_file" >"$work/rpmlint.txt" 2>&1 || lint_status=$?
cat "$work/rpmlint.txt"
if [ "$lint_status" -ne 0 ] || ! grep -Eq ' 0 errors, 0 warnings' "$work/rpmlint.txt"; then
    echo "rpmlint found errors or warnings"; status=1
fi

echo "== files: the .deb's against the RPM's (- only in the .deb, + only in the RPM)"
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ {print $6}' | sed 's|^\./|/|' | sort >"$work/deb-files"
rpm -qp --qf '[%{FILEMODES:perms} %{FILENAMES}\n]' "$rpm_file" | awk '$1 !~ /^d/ {print $2}' | sort >"$work/rpm-files"
{ comm -23 "$work/deb-files" "$work/rpm-files" | sed 's/^/-/'
  comm -13 "$work/deb-files" "$work/rpm-files" | sed 's/^/+/'; } | sort >"$work/found"
grep -v -e '^#' -e '^$' "$rpm_dir/file-differences.txt" | sort >"$work/documented"
echo "$(wc -l <"$work/deb-files") files in the .deb, $(wc -l <"$work/rpm-files") in the RPM"
cat "$work/found"
if ! diff -u "$work/documented" "$work/found"; then
    echo "the files differ otherwise than file-differences.txt says"; status=1
fi
exit $status
