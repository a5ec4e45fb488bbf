#!/usr/bin/env bash
# A private MariaDB server for the tests: its own data folder, port and socket, so it never
# touches a server the machine may run. Sourced by test.sh; exports what the tests read.
# mariadb_test_server_stop may run at any moment of the start: it ends what the start began
# and removes the folder.

# Runs a command in the background in a process group of its own, so that the stop ends it
# with every process it started; the group's id is kept for the stop.
_mariadb_test_server_launch() {
    setsid "$@" &
    MARIADB_TEST_GROUPS="${MARIADB_TEST_GROUPS:-} $!"
    LAUNCHED_PID=$!
}

mariadb_test_server_start() {
    MARIADB_TEST_DIR=$(mktemp -d "${TMPDIR:-/tmp}/staymark-mariadb.XXXXXX")
    export STAYMARK_TEST_MYSQL_HOST=127.0.0.1
    export STAYMARK_TEST_MYSQL_PORT=${STAYMARK_TEST_MYSQL_PORT:-33071}
    export STAYMARK_TEST_MYSQL_USER=staymark_test
    export STAYMARK_TEST_MYSQL_PASSWORD=staymark-test-pw
    export STAYMARK_TEST_MYSQL_REQUIRED=1
    local socket="$MARIADB_TEST_DIR/mysqld.sock"
    _mariadb_test_server_launch mariadb-install-db --no-defaults \
        --datadir="$MARIADB_TEST_DIR/data" --user="$(id -un)" --tmpdir="$MARIADB_TEST_DIR" \
        --auth-root-authentication-method=socket --skip-test-db >"$MARIADB_TEST_DIR/install.log" 2>&1
    wait "$LAUNCHED_PID"
    _mariadb_test_server_launch mariadbd --no-defaults --datadir="$MARIADB_TEST_DIR/data" --socket="$socket" \
        --port="$STAYMARK_TEST_MYSQL_PORT" --bind-address=127.0.0.1 --user="$(id -un)" \
        --tmpdir="$MARIADB_TEST_DIR" \
        --pid-file="$MARIADB_TEST_DIR/mysqld.pid" --log-error="$MARIADB_TEST_DIR/error.log" \
        --innodb-flush-log-at-trx-commit=2 --max-connections=500
    local server=$LAUNCHED_PID answered=0
    for _ in $(seq 1 100); do
        if mariadb --no-defaults --socket="$socket" -uroot -e "SELECT 1" >/dev/null 2>&1; then
            answered=1
            break
        fi
        kill -0 "$server" 2>/dev/null || break
        sleep 0.2
    done
    if [ "$answered" != 1 ]; then
        echo "The MariaDB test server did not start:" >&2
        tail -n 20 "$MARIADB_TEST_DIR/error.log" >&2 2>/dev/null || true
        return 1
    fi
    mariadb --no-defaults --socket="$socket" -uroot <<SQL
CREATE USER '$STAYMARK_TEST_MYSQL_USER'@'127.0.0.1' IDENTIFIED BY '$STAYMARK_TEST_MYSQL_PASSWORD';
CREATE USER '$STAYMARK_TEST_MYSQL_USER'@'localhost' IDENTIFIED BY '$STAYMARK_TEST_MYSQL_PASSWORD';
GRANT ALL PRIVILEGES ON *.* TO '$STAYMARK_TEST_MYSQL_USER'@'127.0.0.1';
GRANT ALL PRIVILEGES ON *.* TO '$STAYMARK_TEST_MYSQL_USER'@'localhost';
SQL
    echo "MariaDB test server on port $STAYMARK_TEST_MYSQL_PORT ($MARIADB_TEST_DIR)"
}

# Waits up to the given number of fifths of a second for every process of the group to end.
_mariadb_test_server_await_group() {
    for _ in $(seq 1 "$2"); do
        kill -0 -- "-$1" 2>/dev/null || return 0
        sleep 0.2
    done
    return 1
}

mariadb_test_server_stop() {
    [ -n "${MARIADB_TEST_DIR:-}" ] || return 0
    local group
    for group in ${MARIADB_TEST_GROUPS:-}; do
        kill -TERM -- "-$group" 2>/dev/null || continue
        # A server still starting may act on the request only once its start is done.
        if ! _mariadb_test_server_await_group "$group" 150; then
            kill -KILL -- "-$group" 2>/dev/null || true
            _mariadb_test_server_await_group "$group" 50 || true
        fi
    done
    rm -rf "$MARIADB_TEST_DIR"
    unset MARIADB_TEST_DIR MARIADB_TEST_GROUPS
}
