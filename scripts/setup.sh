#!/usr/bin/env bash
# Installs the Debian packages the game needs to build, run and test.
# Safe to run again: only what is missing is installed.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools qt6-translations-l10n libqt6svg6-dev libgl-dev
  libsdl2-mixer-dev timgm6mb-soundfont
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-dejavu-core
  xvfb xauth x11-utils
  at-spi2-core dbus-daemon python3-pyatspi
  dpkg-dev desktop-file-utils appstream lintian
)
# Only the benchmarks grab screenshots of the real window; their probe
# looks when the display reports drawing (the DAMAGE extension's library).
if [ "${WITH_BENCH_TOOLS:-0}" = 1 ]; then
  packages+=(x11-apps python3 libxdamage1)
fi
# Only the asset generators need the SVG decks and sox.
if [ "${WITH_ASSET_TOOLS:-0}" = 1 ]; then
  packages+=(kdegames-card-data-kf5 sox python3)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
