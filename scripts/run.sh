#!/usr/bin/env bash
# Installs what is missing, builds, and starts VERLO varázslók.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target verlo-varazslok verlo-gcode verlo-host-sim
exec build/verlo-varazslok "$@"
