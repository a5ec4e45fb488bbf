#!/usr/bin/env bash
# The private MariaDB server of scripts/test.sh leaves neither a server nor its folder behind
# when its start fails or is cut short. Needs a MariaDB server answering on
# STAYMARK_TEST_MYSQL_PORT (its port is the one a failing start finds taken).
# Usage: check_mariadb_test_server.sh <source folder>
set -uo pipefail
root=$1
work=$(mktemp -d)
failures=0

# What scripts/test.sh does before its tests: the cleanup set, then the start. It takes the
# place of the shell that calls it, so that a signal for it reaches the start's shell.
run_start() {
    TMPDIR="$work" STAYMARK_TEST_MYSQL_PORT="$1" exec bash -c '
        set -euo pipefail
        source "$0/scripts/mariadb-test-server.sh"
        trap mariadb_test_server_stop EXIT
        mariadb_test_server_start' "$root" >"$work.log" 2>&1
}

server_of_work() {
    pgrep -f -- "--datadir=$work/" >/dev/null
}

expect_clean() {
    local case=$1
    if server_of_work; then
        echo "FAIL $case: a MariaDB server of the start still runs"
        failures=$((failures + 1))
    fi
    if [ -n "$(ls -A "$work")" ]; then
        echo "FAIL $case: the start left $(ls -A "$work") behind"
        failures=$((failures + 1))
    fi
}

# The server cannot take its port: the start fails, and cleans up.
if (run_start "${STAYMARK_TEST_MYSQL_PORT:-33071}"); then
    echo "FAIL taken port: the start reported success"
    failures=$((failures + 1))
fi
expect_clean "taken port"

# Stopped while the server is still starting, before it may have written its pid file.
(run_start "$((34000 + RANDOM % 1000))") &
starter=$!
for _ in $(seq 1 100); do
    server_of_work && break
    sleep 0.05
done
kill -TERM "$starter"
wait "$starter"
expect_clean "stopped while starting"

rm -rf "$work" "$work.log"
[ "$failures" = 0 ] && echo "PASS"
exit $((failures > 0))
