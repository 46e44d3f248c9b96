#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The installed tree: staged with DESTDIR under another prefix than the configured one (so the
# program must find its data relative to itself), its data folder read-only, run headless
# with a fresh HOME from an unrelated folder. The player's files must land under that HOME
# and nothing may change in the data folder.
set -euo pipefail
build=$1
root=$(mktemp -d)
trap 'chmod -R u+w "$root"; rm -rf "$root"' EXIT
fail() { echo "installed tree: $*" >&2; exit 1; }

DESTDIR="$root/stage" cmake --install "$build" --prefix /opt/kartenhaus >/dev/null
prefix="$root/stage/opt/kartenhaus"
for f in bin/kartenhaus bin/kartenhaus-cli share/kartenhaus/base.gob share/kartenhaus/games.gob \
         share/kartenhaus/Games.kat share/kartenhaus/deutsch.lng share/kartenhaus/kartenhaus.png \
         share/kartenhaus/musik/musik_menu.mp3 \
         share/applications/org.kartenhaus.Kartenhaus.desktop \
         share/metainfo/org.kartenhaus.Kartenhaus.metainfo.xml \
         share/icons/hicolor/48x48/apps/org.kartenhaus.Kartenhaus.png \
         share/icons/hicolor/256x256/apps/org.kartenhaus.Kartenhaus.png \
         share/man/man6/kartenhaus.6 share/man/man6/kartenhaus-cli.6 \
         share/doc/kartenhaus/copyright; do
  [ -e "$prefix/$f" ] || fail "missing $f"
done
# Player files of test runs in the build's data folder are not part of the install.
[ -z "$(find "$prefix/share/kartenhaus" -name '*.hs' -o -name '*.cfg' -o -name '*.sav')" ] ||
  fail "player files installed with the data"

data="$prefix/share/kartenhaus"
chmod -R a-w "$data"
listing() { (cd "$data" && find . -printf '%p %s %T@\n' | sort); }
before=$(listing)
home="$root/home"
mkdir -p "$home" "$root/elsewhere"
(cd "$root/elsewhere" && env -i PATH=/usr/bin:/bin HOME="$home" SDL_VIDEODRIVER=dummy \
   SDL_AUDIODRIVER=dummy "$prefix/bin/kartenhaus" --frames 5) || fail "the installed program failed"
[ "$before" = "$(listing)" ] || fail "the program changed its data folder"
[ -f "$home/.config/kartenhaus/solitär.cfg" ] || fail "no settings under HOME/.config/kartenhaus"
[ -f "$home/.local/share/kartenhaus/stats.hs" ] || fail "no statistics under HOME/.local/share/kartenhaus"
[ -z "$(ls -A "$root/elsewhere")" ] || fail "the program wrote into the current folder"

env -i PATH=/usr/bin:/bin "$prefix/bin/kartenhaus-cli" deal --data "$data" --game klondike/klondike \
  --seed 1 >/dev/null || fail "the installed kartenhaus-cli cannot deal"
echo "installed tree: 1 passed, 0 failed"
