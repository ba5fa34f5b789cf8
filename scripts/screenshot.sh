#!/usr/bin/env bash
# Remakes docs/main-window.png, the README's picture: the window connected to the virtual
# reader, with the fonts of a Debian desktop, on a virtual X display.
set -euo pipefail
cd "$(dirname "$0")/.."
SCREENSHOT=docs/main-window.png exec env -u DISPLAY -u WAYLAND_DISPLAY bash scripts/run.sh
