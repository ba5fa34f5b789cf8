#!/usr/bin/env bash
# Runs a program on a virtual X server of its own and returns the program's exit status.
#   on_xvfb.sh "SERVER OPTIONS" PROGRAM [ARGUMENTS...]
# The server picks a free display number itself (-displayfd), so that tests run side by side,
# and other people's servers on the same machine, never take each other's display.
set -euo pipefail
server_options=$1
shift
work=$(mktemp -d)
server=
cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2>/dev/null || true
        wait "$server" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT
mkfifo "$work/display"
# shellcheck disable=SC2086  # the options are words
Xvfb -displayfd 3 -nolisten tcp $server_options 3>"$work/display" 2>"$work/server.log" &
server=$!
display=
read -r -t 30 display <"$work/display" || true
if [ -z "$display" ]; then
    echo "on_xvfb.sh: the X server did not start:" >&2
    cat "$work/server.log" >&2
    exit 1
fi
status=0
DISPLAY=:$display "$@" || status=$?
exit $status
