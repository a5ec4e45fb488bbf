#!/usr/bin/env bash
# A private MariaDB server for the tests: its own data folder, port and socket, so it never
# touches a server the machine may run. Sourced by test.sh; exports what the tests read.

mariadb_test_server_start() {
    MARIADB_TEST_DIR=$(mktemp -d /tmp/staymark-mariadb.XXXXXX)
    export STAYMARK_TEST_MYSQL_HOST=127.0.0.1
    export STAYMARK_TEST_MYSQL_PORT=${STAYMARK_TEST_MYSQL_PORT:-33071}
    export STAYMARK_TEST_MYSQL_USER=staymark_test
    export STAYMARK_TEST_MYSQL_PASSWORD=staymark-test-pw
    export STAYMARK_TEST_MYSQL_REQUIRED=1
    local socket="$MARIADB_TEST_DIR/mysqld.sock"
    mariadb-install-db --no-defaults --datadir="$MARIADB_TEST_DIR/data" --user="$(id -un)" \
        --auth-root-authentication-method=socket --skip-test-db >"$MARIADB_TEST_DIR/install.log" 2>&1
    mariadbd --no-defaults --datadir="$MARIADB_TEST_DIR/data" --socket="$socket" \
        --port="$STAYMARK_TEST_MYSQL_PORT" --bind-address=127.0.0.1 --user="$(id -un)" \
        --tmpdir="$MARIADB_TEST_DIR" \
        --pid-file="$MARIADB_TEST_DIR/mysqld.pid" --log-error="$MARIADB_TEST_DIR/error.log" \
        --innodb-flush-log-at-trx-commit=2 --max-connections=500 &
    for _ in $(seq 1 100); do
        mariadb --no-defaults --socket="$socket" -uroot -e "SELECT 1" >/dev/null 2>&1 && break
        sleep 0.2
    done
    mariadb --no-defaults --socket="$socket" -uroot <<SQL
CREATE USER '$STAYMARK_TEST_MYSQL_USER'@'127.0.0.1' IDENTIFIED BY '$STAYMARK_TEST_MYSQL_PASSWORD';
CREATE USER '$STAYMARK_TEST_MYSQL_USER'@'localhost' IDENTIFIED BY '$STAYMARK_TEST_MYSQL_PASSWORD';
GRANT ALL PRIVILEGES ON *.* TO '$STAYMARK_TEST_MYSQL_USER'@'127.0.0.1';
GRANT ALL PRIVILEGES ON *.* TO '$STAYMARK_TEST_MYSQL_USER'@'localhost';
SQL
    echo "MariaDB test server on port $STAYMARK_TEST_MYSQL_PORT ($MARIADB_TEST_DIR)"
}

mariadb_test_server_stop() {
    [ -n "${MARIADB_TEST_DIR:-}" ] || return 0
    if [ -f "$MARIADB_TEST_DIR/mysqld.pid" ]; then
        kill "$(cat "$MARIADB_TEST_DIR/mysqld.pid")" 2>/dev/null || true
        for _ in $(seq 1 50); do
            [ -f "$MARIADB_TEST_DIR/mysqld.pid" ] || break
            sleep 0.2
        done
    fi
    rm -rf "$MARIADB_TEST_DIR"
}
