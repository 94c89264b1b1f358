#!/usr/bin/env bash
# The installed program started as a player starts it: by its name, through the
# link in PREFIX/bin, from another folder, in a home of its own (offscreen). It
# must find its default files in PREFIX/share/tandrel and keep its settings and
# its lock in ~/.config/tandrel, writing nothing beside the program or in the
# folder it was started from, although both can be written.
#   check-installed.sh PREFIX
set -euo pipefail
prefix=$(cd "$1" && pwd -P)
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; [ -s "$work/errors" ] && sed 's/^/  program: /' "$work/errors" >&2; exit 1; }

mkdir -p "$work/elsewhere" "$work/home" "$work/run"
chmod 700 "$work/run"
games=$(ls -A "$prefix/games")
cd "$work/elsewhere"
env -i HOME="$work/home" PATH="$prefix/bin:/usr/bin:/bin" XDG_RUNTIME_DIR="$work/run" \
  QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy tandrel 2>"$work/errors" &
pid=$!

# The first start names the first player in the settings file, then waits in Game Settings.
ini=$work/home/.config/tandrel/duelpat.ini
for _ in $(seq 300); do
  [ -s "$ini" ] && break
  kill -0 "$pid" 2>/dev/null || fail "the program ended at its start"
  sleep 0.1
done
[ -s "$ini" ] || fail "no settings file in ~/.config/tandrel after 30 s"
kill -TERM "$pid"
status=0
wait "$pid" || status=$?
pid=
[ "$status" = 0 ] || fail "ended with status $status after SIGTERM"

# The exit stored the player's sounds: the game's own, from PREFIX/share/tandrel.
grep -q "^Wav0=$prefix/share/tandrel/win.wav"$'\r'"\?\$" "$ini" || fail "the win sound is not the installed one: $(grep ^Wav0 "$ini")"
[ "$(ls -A "$prefix/games")" = "$games" ] || fail "the program wrote into $prefix/games: $(ls -A "$prefix/games")"
[ -e "$work/home/.config/tandrel/.tandrel.lock" ] || fail "no single-instance lock in ~/.config/tandrel"
[ -z "$(ls -A "$work/elsewhere")" ] || fail "the program wrote into the folder it was started from"
echo "the installed program started from another folder and found its files"
