#!/usr/bin/env bash
# Builds the Debian package of the game: build-package/tandrel_VERSION_ARCH.deb,
# then runs lintian on it (errors fail the script).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target tandrel tandrel_docs
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/tandrel_*.deb)
lintian --fail-on error "$deb"
echo "$deb"
