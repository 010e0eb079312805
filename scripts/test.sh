#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and runs every
# test offscreen.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
DROVIK_WERROR=ON scripts/build.sh
cd "${BUILD_DIR:-build}"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "${JOBS:-$(nproc)}"
