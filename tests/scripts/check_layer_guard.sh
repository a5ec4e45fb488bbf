#!/usr/bin/env bash
# The layer check refuses what points up the layers, in every form an include takes, and lets
# what points down pass. Each probe is a file of its own added to a copy of the build's layers.
# check_layer_guard.sh <source folder> <layers folder> <build folder> <compiler>
set -uo pipefail
root=$1
layers=$2
build=$3
compiler=$4
check="$root/tests/check_layers.sh"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$layers" "$work/layers"

failures=0
probe=0
# expect <refused|accepted> <layer file> <include line> [text the refusal names]
expect() {
    local outcome=$1 listing=$2 include=$3 named=${4:-}
    probe=$((probe + 1))
    local file="$work/probe$probe.cpp"
    printf '%s\n' "$include" >"$file"
    echo "$file" >>"$work/layers/$listing.sources"
    local said
    said=$("$check" "$root" "$work/layers" "$build" "$compiler" "$file" 2>&1)
    local status=$?
    if [ "$outcome" = refused ] && { [ $status -eq 0 ] || ! grep -qF -- "$named" <<<"$said"; }; then
        echo "not refused as it should be ($listing): $include"
        echo "$said"
        failures=$((failures + 1))
    elif [ "$outcome" = accepted ] && [ $status -ne 0 ]; then
        echo "refused, though it points down ($listing): $include"
        echo "$said"
        failures=$((failures + 1))
    fi
}

expect refused 1-staymark_data '#include <QWidget>' "which no include path of its layer holds"
expect refused 1-staymark_data '#include <QtWidgets/QWidget>' "QtWidgets, a Qt module its layer does not link"
expect refused 1-staymark_data '#include <QtWidgets/QLabel>' "QtWidgets"
expect refused 1-staymark_data '#include <QtWidgets>' "which no include path of its layer holds"
expect refused 1-staymark_data '#include <QtGui/QColor>' "QtGui"
expect refused 1-staymark_data '#include "core/ui/Dialogs.h"' "of staymark_ui, a layer above it"
expect refused 1-staymark_data '#include "core/frmDBLocateTool.h"' "of staymark_ui, a layer above it"
expect refused 1-staymark_data '#include "reservations/frmBooking.h"' "of staymark_windows"
expect refused 2-staymark_ui '#include "app/mainFrm.h"' "of staymark_app"
expect refused 3-staymark_windows '#include <QtTest>' "which no include path of its layer holds"
expect accepted 1-staymark_data '#include "core/Currency.h"'
expect accepted 1-staymark_data '#include <QtSql/QSqlQuery>'
expect accepted 2-staymark_ui '#include "core/theDBworks.h"'
expect accepted 2-staymark_ui '#include <QtWidgets/QLabel>'
expect accepted 4-staymark_app '#include "reservations/frmBooking.h"'
exit $((failures > 0))
