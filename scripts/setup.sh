#!/usr/bin/env bash
# Installs what Staymark needs on Debian 12, only where it is missing. Sourced by run.sh and
# test.sh; pass "test" to add what the tests need.
set -euo pipefail

STAYMARK_PACKAGES=(
    cmake g++ make pkg-config
    qt6-base-dev qt6-base-dev-tools libqt6sql6-sqlite libqt6sql6-mysql
    qt6-charts-dev qt6-multimedia-dev qt6-svg-dev libqt6opengl6-dev libgl-dev libxkbcommon-dev
    libssl-dev libxlsxwriter-dev libxcb1-dev libsqlite3-dev
)
# The tests measure with DejaVu Sans, and fit the booking form with each common desktop font.
STAYMARK_TEST_PACKAGES=(mariadb-server mariadb-client clang-format unzip unrtf
    fonts-dejavu-core fonts-noto-core fonts-liberation2)

staymark_install_packages() {
    local wanted=("${STAYMARK_PACKAGES[@]}")
    if [ "${1:-}" = test ]; then
        wanted+=("${STAYMARK_TEST_PACKAGES[@]}")
    fi
    local missing=()
    for package in "${wanted[@]}"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ "${#missing[@]}" -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
}

# Configures and builds one build folder: staymark_build <folder> [cmake options...]
staymark_build() {
    local folder=$1
    shift
    cmake -S "$STAYMARK_ROOT" -B "$folder" "$@"
    cmake --build "$folder" --parallel "$(nproc)"
}

# True when the program in <folder> is newer than every file of the project and its database is
# there: then there is nothing to build.
staymark_is_built() {
    local program=$1/staymark
    [ -x "$program" ] && [ -f "$1/data.db" ] || return 1
    local newer
    newer=$(find "$STAYMARK_ROOT" \( -path "$STAYMARK_ROOT/.git" -o -path "$STAYMARK_ROOT/build*" \) -prune \
        -o -type f -newer "$program" -print -quit)
    [ -z "$newer" ]
}

STAYMARK_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
