#!/usr/bin/env bash
# Building one program alone builds the translations it loads: with the .qm files gone, a
# build of just that target must bring every one of them back beside it.
#   program_translations.sh BUILD_DIR QM_FILE... -- TARGET...
set -euo pipefail
build=$1; shift
qm=()
while [ "$1" != -- ]; do qm+=("$1"); shift; done
shift
for target in "$@"; do
    rm -f "${qm[@]}"
    cmake --build "$build" --target "$target" >/dev/null
    for file in "${qm[@]}"; do
        [ -f "$file" ] || { echo "building $target alone did not make $file" >&2; exit 1; }
    done
    echo "$target brings its ${#qm[@]} translations"
done
