#!/usr/bin/env bash
# Regenerates every picture in assets/ (card sheets, shadow, table tile and the
# default background) with tools/make_assets, then checks them.
# The output is the same byte for byte on every run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build-assets"

WITH_ASSET_TOOLS=1 bash "$root/scripts/setup.sh"
cmake -S "$root/tools" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j2 --target make_assets

"$build/make_assets" "$root/assets"
"$build/make_assets" --check "$root/assets"
