#!/usr/bin/env bash
# Builds the tests with a sanitizer and runs them all offscreen:
#
#   scripts/sanitize.sh asan   # AddressSanitizer + UndefinedBehaviorSanitizer, in build-asan/
#   scripts/sanitize.sh tsan   # ThreadSanitizer, in build-tsan/
#
# Any further arguments go to ctest (e.g. -R test_grid). JOBS sets the
# parallel jobs for the build and for ctest. The sanitizer options and
# suppression files (tests/sanitizers/) come with each test from the build;
# a sanitizer report fails the test that made it.
set -euo pipefail
cd "$(dirname "$0")/.."
kind=${1:-}
case $kind in
  asan|tsan) shift ;;
  *) echo "usage: $0 asan|tsan [ctest arguments]" >&2; exit 2 ;;
esac
scripts/install-deps.sh
build=build-$kind
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# -O1 with line tables: quicker to build than the normal build's -O2 -g,
# and enough for the reports to name file and line.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1 -DNDEBUG" \
  -DDROVIK_SANITIZE="$kind" "${launcher[@]}" >/dev/null
cmake --build "$build" -j "${JOBS:-$(nproc)}"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "${JOBS:-$(nproc)}" "$@"
