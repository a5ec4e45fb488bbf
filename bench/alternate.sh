#!/bin/sh
# Runs one bench of several builds in turn, round after round, so that every build meets the
# machine as it is at the same moments; each line a bench prints is marked with its build and
# its round, and a bench that fails says so:
#   bench/alternate.sh <rounds> <bench> <build folder>... [-- <the bench's arguments>...]
# for example: bench/alternate.sh 5 bench_reports ../old/build build -- chart sqlite
set -eu
if [ "$#" -lt 3 ]; then
    echo "usage: $0 <rounds> <bench> <build folder>... [-- <arguments>...]" >&2
    exit 2
fi
rounds=$1
bench=$2
shift 2
builds=""
while [ "$#" -gt 0 ] && [ "$1" != "--" ]; do
    builds="$builds $1"
    shift
done
[ "$#" -gt 0 ] && shift
round=1
while [ "$round" -le "$rounds" ]; do
    for build in $builds; do
        status=0
        errors=$(mktemp)
        output=$("$build/$bench" "$@" 2>"$errors") || status=$?
        printf '%s\n' "$output" | sed "s|^|[$build, round $round] |"
        if [ "$status" -ne 0 ]; then
            echo "[$build, round $round] $bench ended with status $status:" \
                "$(grep -v 'This plugin does not support' "$errors" | tail -n 3)"
        fi
        rm -f "$errors"
    done
    round=$((round + 1))
done
