#!/usr/bin/env bash
# Rules the sources keep: every dialog goes through the dialogs module, includes point down the
# layers, and the code is formatted with the repository's .clang-format.
set -uo pipefail
# check_sources.sh <source folder> <layers folder> <build folder> <compiler>: the last three
# as tests/CMakeLists.txt gives them.
root=$1
layers=$2
build=$3
compiler=$4
cd "$root" || exit 2
status=0

sources=$(git ls-files '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')
hits=$(grep -nE '\b(QMessageBox|QInputDialog|QFileDialog|QColorDialog)\b' $sources \
       | grep -v '^core/ui/Dialogs\.\(h\|cpp\):')
if [ -n "$hits" ]; then
    echo "Dialogs must go through core/ui/Dialogs:"
    echo "$hits"
    status=1
fi

# Includes point down the layers, as the build makes them.
if ! "$(dirname "$0")/check_layers.sh" "$root" "$layers" "$build" "$compiler"; then
    echo "Includes point down the layers: data, form kit, windows, program."
    status=1
fi

if command -v clang-format >/dev/null; then
    if ! clang-format --dry-run --Werror $sources; then
        echo "Run clang-format -i on the files above."
        status=1
    fi
else
    echo "clang-format is not installed"
    status=1
fi
exit $status
