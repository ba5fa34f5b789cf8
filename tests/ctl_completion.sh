#!/usr/bin/env bash
# keylon2ctl's bash completion, as the package installs it, run in bash: it completes a command,
# an option, a reader on the bus (from the tool's own list), a configuration file and a log.
#   ctl_completion.sh KEYLON2CTL_DEMO COMPLETION_SCRIPT
set -u
ctl=$1
source "$2" || { echo "FAIL: the script does not load"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" && touch site.cfg notes.txt
export KEYLON2_VIRTUAL_HID_READERS=2

status=0
# expect LINE WANTED...: what bash offers at the end of LINE (the program typed as its path).
expect() {
    local typed=$1 line="$ctl $1"
    shift
    COMP_LINE=$line
    COMP_POINT=${#line}
    read -ra COMP_WORDS <<<"$line"
    COMP_CWORD=${#COMP_WORDS[@]}
    COMPREPLY=()
    _keylon2ctl
    if [[ "${COMPREPLY[*]}" != "$*" ]]; then
        echo "FAIL: '$typed' completes to '${COMPREPLY[*]}', not '$*'"
        status=1
    fi
}
expect "ap" apply
expect "apply --ch" --check
expect "apply " site.cfg
expect "read --device hid:/dev/virtual-hidraw" /dev/virtual-hidraw1 /dev/virtual-hidraw2
# Bash replaces what follows the word's last colon.
expect "apply site.cfg --device usb:1-1." 1-1.1 1-1.2
expect "set-interface s" serial
expect "apply site.cfg --log no" notes.txt
expect "list --d"
[ $status -eq 0 ] && echo "PASSED: bash completes commands, options, readers and files"
exit $status
