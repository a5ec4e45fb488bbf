#!/usr/bin/env bash
# Installs what is missing, builds Staymark, makes the embedded database where none exists
# and starts the program.
set -euo pipefail
source "$(dirname "$0")/setup.sh"

staymark_install_packages
staymark_build "$STAYMARK_ROOT/build" -DBUILD_TESTING=OFF
exec "$STAYMARK_ROOT/build/staymark"
