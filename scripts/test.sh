#!/usr/bin/env bash
# Installs what is missing, builds Staymark and runs every test: once in a plain build and
# once with AddressSanitizer and UndefinedBehaviorSanitizer, each on SQLite and on a private
# MariaDB server that this script starts and stops. Both builds treat warnings as errors.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

staymark_install_packages test
source "$STAYMARK_ROOT/scripts/mariadb-test-server.sh"
# Set before the start, so that a start that fails half-way leaves no server and no folder.
trap mariadb_test_server_stop EXIT
mariadb_test_server_start

export QT_QPA_PLATFORM=offscreen
status=0

staymark_build "$STAYMARK_ROOT/build" -DBUILD_TESTING=ON -DSTAYMARK_WARNINGS_AS_ERRORS=ON
ctest --test-dir "$STAYMARK_ROOT/build" --output-on-failure --parallel "$(nproc)" || status=1

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export LSAN_OPTIONS=suppressions=$STAYMARK_ROOT/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
staymark_build "$STAYMARK_ROOT/build-sanitize" -DBUILD_TESTING=ON -DSTAYMARK_SANITIZE=ON \
    -DSTAYMARK_WARNINGS_AS_ERRORS=ON
ctest --test-dir "$STAYMARK_ROOT/build-sanitize" --output-on-failure --parallel "$(nproc)" || status=1

exit $status
