#!/usr/bin/env bash
# Installs the built game into a fresh prefix and checks what a packager and a
# desktop expect: the program, its sound module, its media and help, the menu
# entry, the icons, a valid AppStream description, and a program that starts
# from there and loads its sound.
# Usage: check-install.sh BUILD_DIR
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in bin/velko-lines share/velko-lines/help.html share/velko-lines/medias/sysinfo.txt \
         share/velko-lines/medias/game.gif share/velko-lines/medias/back0.ogg \
         share/applications/velko-lines.desktop share/metainfo/velko-lines.metainfo.xml \
         share/icons/hicolor/32x32/apps/velko-lines.png share/icons/hicolor/48x48/apps/velko-lines.png; do
    [ -e "$prefix/$f" ] || { echo "missing after install: $f"; exit 1; }
done
[ -n "$(find "$prefix" -path '*/lib*/velko-lines/velko-sound.so')" ] || { echo "missing after install: the sound module velko-sound.so"; exit 1; }
# The program itself does not load SDL: the sound module does, after the first window.
if readelf -d "$prefix/bin/velko-lines" | grep -qi 'NEEDED.*SDL'; then
    echo "the program links SDL itself"; exit 1
fi
grep -q '^Exec=velko-lines$' "$prefix/share/applications/velko-lines.desktop"
grep -q '^Icon=velko-lines$' "$prefix/share/applications/velko-lines.desktop"
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$prefix/share/metainfo/velko-lines.metainfo.xml"
fi

# Moved elsewhere, the installed program still finds its media: it keeps
# running on its start screen, with its sound, instead of ending with a complaint.
moved=$(mktemp -d)
trap 'rm -rf "$prefix" "$moved"' EXIT
cp -a "$prefix/." "$moved/"
rm -rf "$prefix"
status=0
QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$moved/data" \
    timeout 3 "$moved/bin/velko-lines" 2>"$moved/errors" || status=$?
[ "$status" = 124 ] || { echo "the installed program ended with status $status"; exit 1; }
if grep -q 'without sound' "$moved/errors"; then cat "$moved/errors"; exit 1; fi
echo "installed and started from $moved"
