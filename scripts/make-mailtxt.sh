#!/usr/bin/env bash
# Writes MAIL.TXT for your own SMTP provider, in the format the program
# reads, without asking anything. Builds the small writer first when needed.
#
#   MAILTXT_PASSWORD='secret' scripts/make-mailtxt.sh --host smtp.example.org \
#       --port 587 --tls on --user me@example.org --from me@example.org \
#       --name "Bridge club"
#
# The file goes to the program folder ($DROVIK_HOME, else the folder of the
# program in ./build); --output FILE writes it elsewhere, --force replaces an
# existing file. --help lists every option. A relative --output or
# DROVIK_HOME counts from the folder the command is run in; BUILD_DIR, as for
# the other scripts, from the top of the repository.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-build}
[[ $build == /* ]] || build="$root/$build"
# The build runs in the repository; the writer itself runs here, in the
# caller's folder. A build folder configured before, with any generator, is
# built as it is (CMake refuses to switch an existing one to another
# generator); only a new one is configured, with Ninja.
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  (cd "$root" && scripts/install-deps.sh >&2 &&
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null)
fi
(cd "$root" && cmake --build "$build" --target drovik-mailtxt >/dev/null)
exec "$build/drovik-mailtxt" "$@"
