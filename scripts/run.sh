#!/usr/bin/env bash
# Builds the utility and starts it.
#   scripts/run.sh         the utility; on virtual readers when no reader is attached
#   scripts/run.sh --vnc [--vnc-password-file FILE]
#                          the same behind a VNC server on 127.0.0.1 only, with a password made
#                          for the run (or the first line of FILE), for a VNC viewer here or
#                          through an SSH tunnel (see scripts/serve-vnc.sh)
# Without a display (no DISPLAY or WAYLAND_DISPLAY) it shows the window on a virtual X display,
# connects to the virtual reader, saves a screenshot (${SCREENSHOT:-build/keylon2-utility.png})
# on a screen of ${SCREENSHOT_DPI:-96} dpi (192: the window at 2x) and ends.
set -euo pipefail
cd "$(dirname "$0")/.."

vnc=false
password_file=()
while [ $# -gt 0 ]; do
    case $1 in
        --vnc) vnc=true; shift ;;
        --vnc-password-file)
            [ $# -ge 2 ] || { echo "run.sh: --vnc-password-file needs a file" >&2; exit 2; }
            vnc=true; password_file=(--password-file "$2"); shift 2 ;;
        --vnc-password-file=*) vnc=true; password_file=(--password-file "${1#*=}"); shift ;;
        -h|--help) sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
        *) echo "run.sh: unknown option '$1' (try --help)" >&2; exit 2 ;;
    esac
done

bash scripts/build.sh
build_dir=${BUILD_DIR:-build}

# A reader is attached when the USB bus lists vendor 0416 with product F100 or F108.
reader_attached() {
    local dev vendor product
    for dev in /sys/bus/usb/devices/*; do
        [ -r "$dev/idVendor" ] && [ -r "$dev/idProduct" ] || continue
        vendor=$(cat "$dev/idVendor"); product=$(cat "$dev/idProduct")
        if [ "$vendor" = 0416 ] && { [ "$product" = f100 ] || [ "$product" = f108 ]; }; then
            return 0
        fi
    done
    return 1
}

program=$build_dir/keylon2-utility
demo=$build_dir/tools/demo/keylon2-utility-demo
use_virtual() {
    program=$demo
    echo "No Keylon2 reader attached: a virtual reader is in use (\"USB KB\" on a virtual USB HID" \
         "device, \"Serial Port\" on the pseudo-terminal in the port field). To use a real reader," \
         "plug it in and run scripts/run.sh again."
}

if $vnc; then
    reader_attached || use_virtual
    exec bash scripts/serve-vnc.sh "${password_file[@]}" -- "$program"
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    reader_attached || use_virtual
    exec "$program"
fi

# No display: show the connected window on a virtual X display and keep a picture of it. The
# screen is 20 inches wide, a whole number of millimetres, so that the window's scale factor is
# exactly the DPI over 96.
use_virtual
dpi=${SCREENSHOT_DPI:-96}
case $dpi in
    ''|*[!0-9]*) echo "run.sh: SCREENSHOT_DPI must be a whole number" >&2; exit 2 ;;
esac
[ "$dpi" -ge 48 ] && [ "$dpi" -le 384 ] || { echo "run.sh: SCREENSHOT_DPI must be 48 to 384" >&2; exit 2; }
screenshot=${SCREENSHOT:-$build_dir/keylon2-utility.png}
mkdir -p "$(dirname "$screenshot")"
rm -f "$screenshot"
KEYLON2_DEMO_SCREENSHOT=$screenshot KEYLON2_DEMO_KEYS=0 QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 $((dpi * 20))x$((dpi * 10))x24 -dpi $dpi" "$program" >/dev/null 2>&1 || {
    echo "run.sh: the window could not be shown on the virtual display" >&2
    exit 1
}
echo "No display: the window, connected to the virtual reader, is saved as $screenshot"
