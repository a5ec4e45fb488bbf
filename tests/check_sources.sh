#!/usr/bin/env bash
# Rules the sources keep: every dialog goes through the dialogs module, includes point down the
# layers, and the code is formatted with the repository's .clang-format.
set -uo pipefail
root=$1
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

# Includes point down the layers: only app/ (and the tests) include app/, and the data layer
# (the files of the data library in each folder's CMakeLists.txt) includes no window, no
# form kit and no Qt Widgets header.
hits=$(grep -nE '#include "app/' $sources | grep -vE '^(app|tests)/')
if [ -n "$hits" ]; then
    echo "Only app/ knows the main window and the start-up:"
    echo "$hits"
    status=1
fi
data_files=$(awk '/^target_sources\(staymark_data/ {inside = 1; next}
                  inside && /^\)/ {inside = 0}
                  inside {for (i = 1; i <= NF; i++) print FILENAME ":" $i}' \
                 $(git ls-files '*CMakeLists.txt' 2>/dev/null || find . -name CMakeLists.txt) |
             sed -E 's#^(\./)?(.*/)?CMakeLists.txt:#\2#')
hits=$(grep -nE '#include ("core/ui/|"core/frm|"app/|"[a-z_]+/frm|"[a-z_]+/Admin|<Q(Widget|Dialog|MainWindow|Mdi|Label|LineEdit|PushButton|Application|MessageBox)\b)' \
       $data_files /dev/null)
if [ -n "$hits" ]; then
    echo "The data layer includes no window, form kit or widget header:"
    echo "$hits"
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
