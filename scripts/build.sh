#!/usr/bin/env bash
# Configures and builds into ${BUILD_DIR:-build}. Extra arguments go to the CMake configure step.
# KEYLON2_QT=6 builds with Qt 6 (installing it when missing); Qt 5 is the default.
set -euo pipefail
cd "$(dirname "$0")/.."
deps=()
qt=()
if [ -n "${KEYLON2_QT:-}" ]; then
    [ "$KEYLON2_QT" = 6 ] && deps=(--qt6)
    qt=(-DKEYLON2_QT="$KEYLON2_QT")
fi
bash scripts/install-deps.sh "${deps[@]}"
build_dir=${BUILD_DIR:-build}
# ccache (CMakeLists.txt uses it where it is installed) takes paths under the sources as relative
# and leaves the build's directory out of its key, so another clone of the same sources, such as
# CI's, finds what this one compiled.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$PWD} CCACHE_NOHASHDIR=${CCACHE_NOHASHDIR:-1}
generator=()
command -v ninja >/dev/null 2>&1 && generator=(-G Ninja)
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" "${generator[@]}" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} "${qt[@]}" "$@"
else
    cmake -S . -B "$build_dir" "${qt[@]}" "$@"
fi
cmake --build "$build_dir" --parallel "$(nproc)"
