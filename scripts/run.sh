#!/usr/bin/env bash
# Installs what is missing, builds the program (only the program and what it
# needs: the tests are built by scripts/test.sh) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh drovik
exec "${BUILD_DIR:-build}/drovik" "$@"
