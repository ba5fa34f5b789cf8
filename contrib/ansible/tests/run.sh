#!/usr/bin/env bash
# Runs the keylon2_reader module's test playbook with ansible-playbook on localhost.
#
#   contrib/ansible/tests/run.sh KEYLON2CTL
#
# KEYLON2CTL is the keylon2ctl the module runs, one linked to the virtual readers
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
export ANSIBLE_LIBRARY=$here/../library ANSIBLE_NOCOLOR=1 ANSIBLE_RETRY_FILES_ENABLED=0
export ANSIBLE_PYTHON_INTERPRETER=auto_silent
ansible-playbook -i localhost, -c local \
    -e "keylon2ctl=$ctl" -e "plug_dir=$work/plug" -e "work=$work" \
    "$here/test_keylon2_reader.yml"
