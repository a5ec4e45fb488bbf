#!/usr/bin/env bash
# Installs what is missing, builds Staymark when a source changed since the last build (making
# the embedded database where none exists) and starts the program.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

staymark_install_packages
build="$STAYMARK_ROOT/build"
if ! staymark_is_built "$build"; then
    # A folder the tests configured is built as it is: its options stay.
    [ -f "$build/CMakeCache.txt" ] || cmake -S "$STAYMARK_ROOT" -B "$build" -DBUILD_TESTING=OFF
    cmake --build "$build" --target staymark --parallel "$(nproc)"
    # Built now, also where the change (a test, a note) left the program as it was.
    touch "$build/staymark"
fi
exec "$build/staymark"
