#!/usr/bin/env bash
# Builds the utility with its tests and runs them.
#   scripts/test.sh             into build/
#   scripts/test.sh --sanitize  with AddressSanitizer and UndefinedBehaviorSanitizer, into build-asan/
#   scripts/test.sh --qt6       with Qt 6 (installed when missing), into build-qt6/
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
--sanitize)
    export BUILD_DIR=${BUILD_DIR:-build-asan}
    export BUILD_TYPE=Debug
    bash scripts/build.sh -DKEYLON2_SANITIZE=ON -DKEYLON2_BUILD_BENCH=OFF
    ;;
--qt6)
    export BUILD_DIR=${BUILD_DIR:-build-qt6}
    export KEYLON2_QT=6
    bash scripts/build.sh
    ;;
'')
    bash scripts/build.sh
    ;;
*)
    echo "usage: scripts/test.sh [--sanitize | --qt6]" >&2
    exit 2
    ;;
esac
cd "${BUILD_DIR:-build}"
ctest --output-on-failure --parallel "$(nproc)"
