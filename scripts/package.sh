#!/usr/bin/env bash
# Builds the Debian package of the game: build-package/tandrel_VERSION_ARCH.deb,
# then runs lintian on it (errors fail the script). Only what the package
# holds is built: cpack installs without first building every target (tests,
# benchmarks and tools stay unbuilt).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-package"

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target tandrel tandrel_docs
(cd "$build" && cpack -G DEB)
deb=$(ls "$build"/tandrel_*.deb)
lintian --fail-on error "$deb"
echo "$deb"
