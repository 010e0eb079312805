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
# existing file. --help lists every option.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build}
if [[ ! -f "$build/build.ninja" ]]; then
  scripts/install-deps.sh >&2
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build" --target drovik-mailtxt >/dev/null
exec "$build/drovik-mailtxt" "$@"
