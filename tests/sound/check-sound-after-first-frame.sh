#!/usr/bin/env bash
# The start screen shows before any sound library is loaded: runs the real
# program and reads, on its one error stream, the dynamic loader's record of
# the libraries it loads (LD_DEBUG=files) beside Qt's record of the widgets'
# painting. The sound module and SDL_mixer must first appear after the start
# screen's first frame has gone to the screen. A kill ends the run.
# Usage: check-sound-after-first-frame.sh GAME_EXECUTABLE
set -euo pipefail
game=$1
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
log="$work/stderr"

QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/data" \
    QT_LOGGING_RULES='qt.widgets.painting=true' LD_DEBUG=files "$game" 2>"$log" &
pid=$!
# Until the loader has run the module's start-up code (at most 60 s).
for _ in $(seq 600); do
    grep -q 'calling init: .*/velko-sound\.so$' "$log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -TERM "$pid" 2>/dev/null || true
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || { echo "the game ended with status $status on a kill"; exit 1; }

# Line numbers of the first frame of the start screen and of the first sound library.
frame=$(grep -n -m1 'qt.widgets.painting: Flushing .*name="startScreen"' "$log" | cut -d: -f1)
sound=$(grep -n -m1 -E 'file=[^ ]*(velko-sound\.so|libSDL2_mixer)' "$log" | cut -d: -f1)
[ -n "$frame" ] || { echo "the start screen never showed"; exit 1; }
[ -n "$sound" ] || { echo "the sound module was never loaded"; exit 1; }
if [ "$sound" -lt "$frame" ]; then
    echo "a sound library was loaded before the start screen's first frame:"
    sed -n "${sound}p;${frame}p" "$log"
    exit 1
fi
