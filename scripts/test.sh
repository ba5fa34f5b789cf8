#!/usr/bin/env bash
# Builds the utility with its tests and runs them.
#   scripts/test.sh             into build/
#   scripts/test.sh --sanitize  with AddressSanitizer and UndefinedBehaviorSanitizer, into build-asan/
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--sanitize" ]; then
    export BUILD_DIR=${BUILD_DIR:-build-asan}
    export BUILD_TYPE=Debug
    bash scripts/build.sh -DKEYLON2_SANITIZE=ON
else
    bash scripts/build.sh
fi
cd "${BUILD_DIR:-build}"
ctest --output-on-failure --parallel "$(nproc)"
