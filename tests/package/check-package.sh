#!/usr/bin/env bash
# Builds the Debian package from a built tree into a scratch folder, unpacks it
# and checks its files, its control fields and the desktop entry and AppStream
# data with Debian's own validators. With --lintian, lintian must report no error.
#   check-package.sh BUILD_DIR [--lintian]
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/tandrel_*.deb)

if [ "${2:-}" = --lintian ]; then
  # Errors only: warnings and notes are the packager's taste.
  lintian --fail-on error --no-tag-display-limit "$deb" || fail "lintian reports errors"
  exit 0
fi

dpkg-deb -x "$deb" "$work/root"
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = tandrel ] || fail "Package field"
[ "$(field Section)" = games ] || fail "Section field"
depends=$(field Depends)
# From dpkg-shlibdeps, and the ones named by hand.
for d in libqt6widgets6 libqt6gui6 libc6 libstdc++6 libsdl2-mixer-2.0-0 timgm6mb-soundfont qt6-qpa-plugins; do
  grep -q "\b$d\b" <<<"$depends" || fail "Depends lacks $d: $depends"
done

id=io.github.tandrel.Tandrel
r=$work/root/usr
files=(games/tandrel share/tandrel/back7.bmp share/tandrel/back7@2x.bmp share/tandrel/rag.mid share/tandrel/win.wav share/tandrel/card2.wav
  share/tandrel/handbook/index.html share/tandrel/handbook/handbook.css share/tandrel/handbook/table.png
  share/applications/$id.desktop share/metainfo/$id.metainfo.xml share/icons/hicolor/scalable/apps/$id.svg
  share/man/man6/tandrel.6.gz share/doc/tandrel/copyright share/doc/tandrel/changelog.gz)
for s in 16 22 24 32 48 64 128 256; do files+=("share/icons/hicolor/${s}x$s/apps/$id.png"); done
for f in "${files[@]}"; do [ -f "$r/$f" ] || fail "missing /usr/$f"; done
[ -x "$r/games/tandrel" ] || fail "program not executable"
# A games package keeps out of /usr/bin (/usr/games is on the PATH).
[ ! -e "$r/bin" ] && [ ! -L "$r/bin/tandrel" ] || fail "the package has /usr/bin"
file -b "$r/share/icons/hicolor/48x48/apps/$id.png" 2>/dev/null | grep -q "48 x 48" || fail "48x48 icon size"
# No file beyond the game's own places.
stray=$(cd "$work/root" && find . -type f | grep -Ev '^\./usr/(games/tandrel|share/(tandrel|applications|metainfo|icons/hicolor|man/man6|doc/tandrel)/)' || true)
[ -z "$stray" ] || fail "unexpected files: $stray"

desktop-file-validate "$r/share/applications/$id.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net --pedantic "$r/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"
grep -q "^Exec=/usr/games/tandrel\$" "$r/share/applications/$id.desktop" || fail "desktop entry runs another program"
grep -q "^Icon=$id\$" "$r/share/applications/$id.desktop" || fail "desktop entry names another icon"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$r/share/metainfo/$id.metainfo.xml" ||
  fail "metainfo launches another entry"
# One project address: the package's, the AppStream data's and the copyright file's.
homepage=$(field Homepage)
[ -n "$homepage" ] || fail "no Homepage field"
grep -q "<url type=\"homepage\">$homepage</url>" "$r/share/metainfo/$id.metainfo.xml" || fail "metainfo names another address than $homepage"
grep -q "^Source: $homepage\$" "$r/share/doc/tandrel/copyright" || fail "copyright names another address than $homepage"
echo "package $(basename "$deb") checked"
