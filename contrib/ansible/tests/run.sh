#!/usr/bin/env bash
# Runs the collection keylon2.utility's modules through ansible-playbook on localhost: the test
# playbook against keylon2ctl on virtual readers, then the example playbook in check mode as on
# a host not set up yet (no site file, no keylon2ctl; the package task left out, as the test
# cannot install it).
#
#   contrib/ansible/tests/run.sh KEYLON2CTL
#
# KEYLON2CTL is the keylon2ctl the modules run, one linked to the virtual readers
# (build/keylon2ctl-demo); its readers are the virtual readers' plug directory, made empty here.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
[ $# -eq 1 ] && [ -x "$1" ] || { echo "usage: $0 KEYLON2CTL (an executable)" >&2; exit 2; }
ctl=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/plug" "$work/ansible" "$work/locks"
# The readers' locks of this run alone.
export KEYLON2_LOCK_DIR=$work/locks
cd "$work"  # where no ansible.cfg lies

export ANSIBLE_HOME=$work/ansible ANSIBLE_LOCAL_TEMP=$work/ansible/tmp
export ANSIBLE_COLLECTIONS_PATH=$here/../.. ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0
export ANSIBLE_PYTHON_INTERPRETER=auto_silent
ansible-playbook -i localhost, -c local \
    -e "keylon2ctl=$ctl" -e "plug_dir=$work/plug" -e "work=$work" \
    "$here/test_modules.yml"

echo "== the example playbook in check mode, on a host not set up yet"
printf '[kiosks]\nlocalhost ansible_connection=local\n' >"$work/inventory.ini"
fresh=$work/fresh
PATH=/usr/sbin:/usr/bin:/sbin:/bin ansible-playbook -v -i "$work/inventory.ini" --check --diff --skip-tags packages \
    -e ansible_become=false -e "ansible_user=$(id -un)" \
    -e "keylon2_site_path=$fresh/etc/keylon2/site.cfg" -e "keylon2_audit_log=$fresh/log/audit.jsonl" \
    "$here/../examples/site.yml" | tee "$work/check.out"
# Nothing was made, and the reader task said what it lacked by its whole path.
[ ! -e "$fresh" ] || { echo "check mode made $fresh"; exit 1; }
grep -q "$fresh/etc/keylon2/site.cfg is not on this host" "$work/check.out" \
    || { echo "the reader task did not name the missing site file"; exit 1; }
