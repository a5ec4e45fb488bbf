#!/usr/bin/env bash
# Includes point down the layers, as the build makes them: a file of a layer reaches no header
# of a layer above it, and no header of a Qt module that its layer does not link, whether it
# includes it directly or through another header, and in any form (<QWidget>,
# <QtWidgets/QWidget>, <QtWidgets>). What a file reaches is what the compiler finds with the
# layer's own include paths and definitions.
#
# check_layers.sh <source folder> <layers folder> <build folder> <compiler> [file...]
# The layers folder holds, for each layer from the lowest up, <rank>-<name>.sources (its files)
# and <rank>-<name>.flags (its include paths and definitions), one a line, as the build
# writes them (tests/CMakeLists.txt). With files named, only those are checked.
set -uo pipefail
root=$1
layers=$2
build=$3
compiler=$4
shift 4

declare -A layerOf
for sources in "$layers"/*.sources; do
    layer=$(basename "$sources" .sources)
    while IFS= read -r file; do
        case $file in
        "$build"/*) ;; # made by the build, such as the files of its own code generators
        *.cpp | *.h) layerOf[$file]=$layer ;;
        esac
    done <"$sources"
done

# A layer's rank is the number its files begin with: 1 is the lowest.
rankOf() { echo "${1%%-*}"; }
nameOf() { echo "${1#*-}"; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# What each file reaches, found by the compiler: the files of each layer in parallel.
index=0
[ $# -gt 0 ] || set -- "${!layerOf[@]}"
for file in "$@"; do
    index=$((index + 1))
    printf '%s\n%s\n' "$file" "${layerOf[$file]}" >"$work/$index.file"
done
find "$work" -name '*.file' -print0 |
    xargs -0 -P "$(nproc)" -I{} bash -c '
        file=$(sed -n 1p "$1"); layer=$(sed -n 2p "$1")
        mapfile -t flags <"$2/$layer.flags"
        printf "#include \"%s\"\n" "$file" |
            "$3" -std=c++20 "${flags[@]}" -x c++ -M -MG - >"${1%.file}.deps" 2>"${1%.file}.errors"
    ' _ {} "$layers" "$compiler"

# One table for the judgement: each layer's files (F), the Qt modules it links (M), and what each
# checked file reaches (R).
for flags in "$layers"/*.flags; do
    layer=$(basename "$flags" .flags)
    grep -oE '/Qt[A-Za-z]+$' "$flags" | sed "s#^/#M $layer #"
done >"$work/table"
for file in "${!layerOf[@]}"; do
    echo "F ${layerOf[$file]} $file"
done >>"$work/table"
for listing in "$work"/*.file; do
    file=$(sed -n 1p "$listing")
    layer=$(sed -n 2p "$listing")
    if [ -s "${listing%.file}.errors" ]; then
        echo "${file#"$root"/} (${layer#*-}) cannot be read with its layer's flags:" >&2
        cat "${listing%.file}.errors" >&2
        exit 1
    fi
    sed -e 's/^[^:]*://' -e 's/\\$//' "${listing%.file}.deps" | tr -s ' \t' '\n\n' |
        grep -v '^-\?$' | sed "s#^#R $layer $file #"
done >>"$work/table"

awk -v root="$root/" -v build="$build/" '
    function rank(layer) { return layer + 0 }
    function name(layer) { sub(/^[0-9]+-/, "", layer); return layer }
    function shown(path) { return index(path, root) == 1 ? substr(path, length(root) + 1) : path }
    # Why the file may not reach this header; empty when it may.
    function problem(layer, file, reached,    module) {
        if (index(reached, build) == 1)
            return ""
        if (reached !~ /^\//)
            return reached ", which no include path of its layer holds (a header of a module it does not link)"
        if (index(reached, root) == 1) {
            if (!(reached in owner))
                return shown(reached) ", which belongs to no layer: list it in its folder'"'"'s CMakeLists.txt"
            if (rank(owner[reached]) > rank(layer))
                return shown(reached) " of " name(owner[reached]) ", a layer above it"
            return ""
        }
        if (!match(reached, /\/Qt[A-Za-z]+\//))
            return ""
        module = substr(reached, RSTART + 1, RLENGTH - 2)
        # The first header of the module is the one the file asked for; the rest follow from it.
        if ((layer, module) in links || (file, module) in told)
            return ""
        told[file, module] = 1
        return reached " of " module ", a Qt module its layer does not link"
    }
    $1 == "M" { links[$2, $3] = 1; next }
    $1 == "F" { owner[$3] = $2; next }
    $1 == "R" {
        why = problem($2, $3, $4)
        if (why == "")
            next
        print shown($3) " (" name($2) ") reaches " why
        refused = 1
    }
    END { exit refused }
' "$work/table"
