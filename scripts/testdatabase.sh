# Sourced by the scripts: a PostgreSQL server of the tests' own, for the reagent book's lab-book
# cases. start_test_database makes a cluster with initdb in a new temporary folder and starts it
# listening only on a Unix socket in that folder (no TCP port, so it meets no other server), then
# exports its connection string as MOLVERA_TEST_LAB_BOOK: the superuser molvera_admin, who makes a
# database per case. Root may not run a server, so as root Debian's postgres user runs it.
#
# The cluster has the roles the cases log in as: molvera_password, who must give the password
# "right" (every other role is trusted on the socket), and molvera_bench, who is given reading only.
#
# stop_test_database stops the server and removes the folder; the callers run it on EXIT, so that a
# failing run cleans up too.
molvera_test_database=

as_database_user() {
    if [ "$(id -u)" -eq 0 ]; then runuser -u postgres -- "$@"; else "$@"; fi
}

# The newest server installed (Debian's postgresql depends on one).
postgres_bin() {
    find /usr/lib/postgresql -mindepth 2 -maxdepth 2 -name bin | sort -V | tail -n 1
}

start_test_database() {
    local bin dir
    bin=$(postgres_bin)
    dir=$(mktemp -d "${TMPDIR:-/tmp}/molvera-pg.XXXXXX")
    molvera_test_database=$dir
    # The server's user owns the folder; the tests' user reaches the socket in it.
    if [ "$(id -u)" -eq 0 ]; then chown postgres: "$dir"; fi
    chmod 755 "$dir"
    as_database_user "$bin/initdb" --pgdata="$dir/data" --username=molvera_admin --encoding=UTF8 \
        --locale=C.UTF-8 --auth-local=trust --auth-host=reject --no-instructions >/dev/null
    printf 'local all molvera_password scram-sha-256\nlocal all all trust\n' >"$dir/data/pg_hba.conf"
    as_database_user "$bin/pg_ctl" --pgdata="$dir/data" --log="$dir/server.log" --wait \
        -o "-c listen_addresses= -c unix_socket_directories=$dir -p 5432" start >/dev/null
    export MOLVERA_TEST_LAB_BOOK="host=$dir port=5432 user=molvera_admin dbname=postgres"
    "$bin/psql" -X -q -v ON_ERROR_STOP=1 "$MOLVERA_TEST_LAB_BOOK" \
        -c "CREATE ROLE molvera_password LOGIN PASSWORD 'right'" \
        -c "CREATE ROLE molvera_bench LOGIN"
}

stop_test_database() {
    [ -n "$molvera_test_database" ] || return 0
    if [ -f "$molvera_test_database/data/postmaster.pid" ]; then
        as_database_user "$(postgres_bin)/pg_ctl" --pgdata="$molvera_test_database/data" \
            --mode=immediate --wait stop >/dev/null || true
    fi
    rm -rf "$molvera_test_database"
    molvera_test_database=
    unset MOLVERA_TEST_LAB_BOOK
}
