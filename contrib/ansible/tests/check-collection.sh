#!/usr/bin/env bash
# The collection keylon2.utility's offline checks, with Debian's packages (ansible-core,
# ansible-lint, yamllint, pycodestyle, python3-voluptuous): it builds with ansible-galaxy,
# ansible-doc renders both modules, ansible-test's module validation and its pycodestyle
# settings pass, yamllint passes on every YAML file, and ansible-lint passes on the example
# playbook.
#
#   contrib/ansible/tests/check-collection.sh [OUTPUT_DIR]
#
# OUTPUT_DIR receives the built collection (default: a scratch directory, removed at the end).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
contrib=$(cd "$here/../.." && pwd)
collection=$contrib/ansible_collections/keylon2/utility
examples=$contrib/ansible/examples
# Debian's interpreter, whatever else is on PATH: the checks are its packages.
python=/usr/bin/python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
out=${1:-$work/out}
mkdir -p "$out" "$work/ansible"
export ANSIBLE_HOME=$work/ansible ANSIBLE_LOCAL_TEMP=$work/ansible/tmp ANSIBLE_NOCOLOR=1
export ANSIBLE_COLLECTIONS_PATH=$contrib
status=0
step() { echo "== $*"; }
fail() { echo "FAILED: $*"; status=1; }

step "ansible-galaxy collection build"
ansible-galaxy collection build --force --output-path "$out" "$collection" || fail "collection build"
tarball=$(ls "$out"/keylon2-utility-*.tar.gz 2>/dev/null | head -n 1)
content=$([ -n "$tarball" ] && tar tzf "$tarball" || true)
sed 's/^/  /' <<<"$content"
for file in galaxy.yml plugins/module_utils/keylon2ctl.py plugins/modules/reader.py plugins/modules/reader_info.py meta/runtime.yml README.md; do
    [ "$file" = galaxy.yml ] && file=MANIFEST.json  # the build turns galaxy.yml into it
    grep -qxF "$file" <<<"$content" || fail "the built collection lacks $file"
done

step "ansible-doc"
for module in keylon2.utility.reader keylon2.utility.reader_info; do
    if doc=$(ansible-doc "$module" 2>&1) && grep -q "^> ${module^^}" <<<"$doc"; then
        echo "$module: rendered ($(wc -l <<<"$doc") lines)"
    else
        echo "$doc" | tail -5
        fail "ansible-doc $module"
    fi
done

step "validate-modules (ansible-test's, run directly)"
sanity=$("$python" -c 'import ansible_test, os; print(os.path.dirname(ansible_test.__file__))')/_util/controller/sanity
version=$("$python" -c 'from ansible.release import __version__; print(".".join(__version__.split(".")[:2]))')
ignore=$collection/tests/sanity/ignore-$version.txt
# What the collection's ignore file lets pass, as ansible-test sanity reads it: "PATH validate-modules:CODE".
(cd "$collection" && "$python" "$sanity/validate-modules/validate.py" --format plain --arg-spec \
    --collection ansible_collections/keylon2/utility --collection-version 1.0.0 plugins/modules/*.py) \
    >"$work/validate.out" 2>&1 || true
reported=0
while IFS= read -r line; do
    [ -n "$line" ] || continue
    path=${line%%:*}
    code=$(sed -n 's/^[^ ]* E\([a-z0-9-]*\) .*/\1/p' <<<"$line")
    if [ -n "$code" ] && [ -f "$ignore" ] && grep -q "^$path validate-modules:$code\b" "$ignore"; then
        echo "ignored ($(basename "$ignore")): $line"
        continue
    fi
    echo "$line"
    reported=1
done <"$work/validate.out"
[ "$reported" -eq 0 ] && echo "validate-modules: no error" || fail "validate-modules"

step "pycodestyle (ansible-test's settings)"
ignores=$(grep -v '^#' "$sanity/pep8/current-ignore.txt" | sort | paste -sd, -)
"$python" -m pycodestyle --max-line-length 160 --config /dev/null --ignore "$ignores" \
    "$collection"/plugins/modules/*.py "$collection"/plugins/module_utils/*.py && echo "pycodestyle: clean" || fail "pycodestyle"

step "yamllint (ansible-test's rules)"
mapfile -t yaml_files < <(find "$collection" "$examples" "$here" -name '*.yml' -o -name '*.yaml' | sort)
"$python" -m yamllint -c "$sanity/yamllint/config/default.yml" "${yaml_files[@]}" \
    && echo "yamllint: ${#yaml_files[@]} files clean" || fail "yamllint"

step "ansible-lint --offline on the example playbook"
# Beside a copy of the playbook, the collection as built and installed: ansible-lint finds it
# there (collections/ beside a playbook), so that it checks the modules' options too; --strict
# fails on its warnings as well.
mkdir -p "$work/lint"
cp -r "$examples/." "$work/lint/"
ansible-galaxy collection install --offline -p "$work/lint/collections" "$tarball" >/dev/null 2>&1 \
    || fail "ansible-galaxy collection install"
(cd "$work/lint" && ansible-lint --offline --strict --nocolor site.yml) || fail "ansible-lint"

exit $status
