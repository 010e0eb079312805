#!/usr/bin/env bash
# Configures and builds into ./build (or $BUILD_DIR): everything, or only
# the targets named as arguments (and what they need). DROVIK_WERROR=ON
# makes compiler warnings errors (the test command sets it).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
# A folder configured before keeps its generator (Ninja or Makefiles);
# only a new one is made with Ninja.
generator=()
[[ -f "$build/CMakeCache.txt" ]] || generator=(-G Ninja)
cmake -S . -B "$build" "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDROVIK_WERROR="${DROVIK_WERROR:-OFF}" >/dev/null
targets=()
[[ $# -eq 0 ]] || targets=(--target "$@")
cmake --build "$build" -j "${JOBS:-$(nproc)}" "${targets[@]}"
