#!/usr/bin/env bash
# Installs the Debian packages that the build and the tests need, when they are missing.
#   scripts/install-deps.sh --bench   also what scripts/bench.sh needs (Xvfb for the start-up)
#   scripts/install-deps.sh --qt6     also Qt 6 (a build with -DKEYLON2_QT=6)
set -euo pipefail

# ansible-*, yamllint, pycodestyle, python3-voluptuous: the Ansible collection's checks;
# systemd: systemd-analyze on the station's unit in the package check; rpm, rpmlint: the RPM
# and its check; prometheus (promtool), python3-prometheus-client: the metrics' and the alert
# rules' checks; orca, openbox, x11-utils: the screen reader, a window manager for the test
# that listens to the window, and xprop to see the manager ready; qttools5-dev,
# qttools5-dev-tools: lupdate and lrelease for the translations; qttranslations5-l10n: Qt's own
# texts (standard buttons, file dialogs) in the shipped languages; gettext: msgfmt, which merges
# the translations into the desktop entry and the metainfo. ninja-build and ccache: faster
# builds, and a second clone of the same sources (CI's) compiles only what changed.
packages=(cmake g++ make ninja-build ccache pkg-config qtbase5-dev libqt5serialport5-dev libhidapi-dev libudev-dev
          fonts-liberation2 xvfb xauth dpkg-dev file desktop-file-utils appstream lintian
          tigervnc-standalone-server tigervnc-tools python3 python3-jsonschema openssl ansible-core
          at-spi2-core python3-pyatspi dbus-daemon xdotool weston qtwayland5 python3-pil
          ansible-lint yamllint pycodestyle python3-voluptuous systemd rpm rpmlint prometheus
          python3-prometheus-client orca openbox dbus qttools5-dev qttools5-dev-tools
          qttranslations5-l10n gettext x11-utils)
for option in "$@"; do
    # Qt 6: Core5Compat for the locale codecs, libxcb for the screen's size on X11, the Wayland
    # platform plugin for the window under a Wayland compositor.
    if [ "$option" = --qt6 ]; then
        packages+=(qt6-base-dev qt6-serialport-dev qt6-5compat-dev libxcb1-dev qt6-wayland
                   qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
    fi
done
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -ne 0 ]; then
    SUDO=sudo
else
    SUDO=
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
