#!/usr/bin/env bash
# Remakes the README's pictures: the window connected to the virtual reader, with the fonts of a
# Debian desktop, on a virtual X display at 96 dpi (docs/main-window.png) and at 192 dpi, the
# window at 2x (docs/main-window@2x.png); and the screen of a headless weston with the window
# on it, connected, drawn natively on Wayland (docs/main-window-wayland.png).
set -euo pipefail
cd "$(dirname "$0")/.."
SCREENSHOT=docs/main-window.png SCREENSHOT_DPI=96 env -u DISPLAY -u WAYLAND_DISPLAY bash scripts/run.sh
SCREENSHOT=docs/main-window@2x.png SCREENSHOT_DPI=192 env -u DISPLAY -u WAYLAND_DISPLAY bash scripts/run.sh
/usr/bin/python3 tests/wayland/tst_wayland.py "${BUILD_DIR:-build}/tools/demo/keylon2-utility-demo" \
    docs/main-window-wayland.png >/dev/null
echo "The window on Wayland is saved as docs/main-window-wayland.png"
