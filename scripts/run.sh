#!/usr/bin/env bash
# Builds the utility and starts it.
#   scripts/run.sh         the utility; on virtual readers when no reader is attached
#   scripts/run.sh --vnc   the same on Qt's VNC platform, port 5900, for a VNC viewer
# Without a display (no DISPLAY or WAYLAND_DISPLAY) it shows the window on a virtual X display,
# connects to the virtual reader, saves a screenshot (${SCREENSHOT:-build/keylon2-utility.png})
# and ends.
set -euo pipefail
cd "$(dirname "$0")/.."

vnc=false
case "${1:-}" in
    "") ;;
    --vnc) vnc=true ;;
    -h|--help) sed -n '2,7p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "run.sh: unknown option '$1' (try --help)" >&2; exit 2 ;;
esac

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
    echo "The window is on Qt's VNC platform, port 5900. Connect a VNC viewer to 127.0.0.1:5900" \
         "(from another machine through a tunnel: ssh -L 5900:127.0.0.1:5900 $(hostname))." \
         "Qt 5's VNC server asks no password and listens on every interface of this machine:" \
         "keep port 5900 closed to the network. Stop it with Ctrl-C."
    exec env QT_QPA_PLATFORM="vnc:size=591x451:port=5900" "$program"
fi

if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    reader_attached || use_virtual
    exec "$program"
fi

# No display: show the connected window on a virtual X display and keep a picture of it.
use_virtual
screenshot=${SCREENSHOT:-$build_dir/keylon2-utility.png}
mkdir -p "$(dirname "$screenshot")"
rm -f "$screenshot"
KEYLON2_DEMO_SCREENSHOT=$screenshot KEYLON2_DEMO_KEYS=0 QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$program" >/dev/null 2>&1 || {
    echo "run.sh: the window could not be shown on the virtual display" >&2
    exit 1
}
echo "No display: the window, connected to the virtual reader, is saved as $screenshot"
