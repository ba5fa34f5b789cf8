#!/usr/bin/env bash
# Shows a program's window through a VNC server for this machine only, to use it from another
# machine through an SSH tunnel. scripts/run.sh --vnc starts the utility with it.
#   scripts/serve-vnc.sh [--password-file FILE] [--] PROGRAM [ARGUMENTS...]
#
# The server is TigerVNC's Xtigervnc (an X server with the VNC server inside; Debian's
# tigervnc-standalone-server, installed when missing). It listens on 127.0.0.1 and ::1 only,
# asks the VNC password, one made for this run and printed, or the first line of FILE (which
# only its owner may read), and its X display admits only clients with this run's cookie.
# The port is the first free one from 5900 (VNC_PORT=N asks for N). The program runs on the
# server's display; when it ends, or on Ctrl-C, the server stops.
set -euo pipefail
umask 077
scripts=$(cd "$(dirname "$0")" && pwd)

usage() { sed -n '2,11p' "$0" | sed 's/^# \{0,1\}//'; }
password_file=
while [ $# -gt 0 ]; do
    case $1 in
        --password-file) [ $# -ge 2 ] || { usage >&2; exit 2; }; password_file=$2; shift 2 ;;
        --password-file=*) password_file=${1#*=}; shift ;;
        -h|--help) usage; exit 0 ;;
        --) shift; break ;;
        -*) echo "serve-vnc.sh: unknown option '$1' (try --help)" >&2; exit 2 ;;
        *) break ;;
    esac
done
[ $# -ge 1 ] || { usage >&2; exit 2; }

fail() { echo "serve-vnc.sh: $*" >&2; exit 1; }

# The password. VNC authentication uses its first 8 characters.
if [ -n "$password_file" ]; then
    [ -f "$password_file" ] && [ -r "$password_file" ] || fail "cannot read the password file $password_file"
    mode=$(stat -c %a "$password_file")
    [ $((8#$mode & 8#077)) -eq 0 ] ||
        fail "$password_file can be read by other users; make it yours alone: chmod 600 $password_file"
    password=$(head -n 1 "$password_file" | tr -d '\r')
    [ ${#password} -ge 6 ] || fail "the password in $password_file is shorter than 6 characters"
    [ ${#password} -le 8 ] || echo "serve-vnc.sh: only the first 8 characters of the password count" >&2
else
    password=$(head -c 48 /dev/urandom | base64 -w 0 | tr -dc 'A-Za-z0-9')
    password=${password:0:8}
fi

command -v Xtigervnc >/dev/null && command -v vncpasswd >/dev/null && command -v xauth >/dev/null ||
    bash "$scripts/install-deps.sh"

work=$(mktemp -d)
server=
program=
cleanup() {
    trap - EXIT INT TERM HUP
    [ -n "$program" ] && kill "$program" 2>/dev/null || true
    [ -n "$server" ] && kill "$server" 2>/dev/null || true
    [ -n "$program" ] && wait "$program" 2>/dev/null || true
    [ -n "$server" ] && wait "$server" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# The password goes through standard input only, never on a command line.
vncpasswd -f >"$work/passwd" <<<"$password" || fail "vncpasswd failed"
# The X server takes every cookie of its file whatever display it names; clients look theirs up
# by display, added once the server has picked one.
cookie=$(od -An -tx1 -N16 /dev/urandom | tr -d ' \n')
export XAUTHORITY=$work/Xauthority
: >"$XAUTHORITY"
echo "add :0 MIT-MAGIC-COOKIE-1 $cookie" | xauth -q source - || fail "xauth failed"

# A TCP port nobody listens on (state 0A in /proc/net/tcp and tcp6), from 5900 up.
port_in_use() {
    local hex
    hex=$(printf '%04X' "$1")
    awk -v p=":$hex" '$4 == "0A" && substr($2, length($2) - 4) == p { found = 1 } END { exit !found }' \
        /proc/net/tcp /proc/net/tcp6 2>/dev/null
}
next_port=${VNC_PORT:-5900}
free_port() {
    while port_in_use "$next_port"; do next_port=$((next_port + 1)); done
    echo "$next_port"
}

# 1440 x 900 at 96 dpi: the screen is a whole number of millimetres wide, so that the window's
# scale factor comes out as exactly 1.
display=
for attempt in 1 2 3 4 5; do
    port=$(free_port)
    rm -f "$work/display"
    mkfifo "$work/display"
    Xtigervnc -displayfd 3 -auth "$XAUTHORITY" -nolisten tcp -localhost -rfbport "$port" \
        -SecurityTypes VncAuth -PasswordFile "$work/passwd" -geometry 1440x900 -depth 24 -dpi 96 \
        -desktop "Keylon2 Utility" 3>"$work/display" >"$work/server.log" 2>&1 &
    server=$!
    read -r -t 30 display <"$work/display" || true
    [ -n "$display" ] && break
    wait "$server" 2>/dev/null || true
    server=
    # Someone took the port between the look and the start: the next one.
    grep -q -i "listen\|address already in use" "$work/server.log" || break
    next_port=$((port + 1))
done
if [ -z "$display" ]; then
    cat "$work/server.log" >&2
    fail "the VNC server did not start"
fi
echo "add :$display MIT-MAGIC-COOKIE-1 $cookie" | xauth -q source - || fail "xauth failed"

if [ -n "$password_file" ]; then
    password_note="the first line of $password_file"
else
    password_note=$password
fi
cat <<EOF
VNC server on 127.0.0.1 port $port (display :$display), for this machine only.
VNC password for this run: $password_note
On this machine, connect a VNC viewer to 127.0.0.1::$port (vncviewer 127.0.0.1::$port).
From another machine, tunnel over SSH first, then connect the viewer there to 127.0.0.1::$port:
    ssh -N -L $port:127.0.0.1:$port $(id -un)@$(hostname)
Ctrl-C stops the window and the server.
EOF

DISPLAY=:$display QT_QPA_PLATFORM=xcb "$@" &
program=$!
status=0
wait "$program" || status=$?
program=
exit "$status"
