#!/usr/bin/env bash
# The turn's animation under a headless sway (tests/wayland/start-sway.sh):
# the drawing time of every frame of the ball's steps, the blink and the new
# balls, and the end picture's 405-row wipe, with the window shown and with it
# moved to a workspace no output shows.
# Usage: bench/run-wayland-bench.sh BUILD_DIR [TURNS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
if ! command -v sway >/dev/null; then
    echo "no sway: the Wayland animation bench is skipped"
    exit 0
fi
work=$(mktemp -d)
sway_pid=
trap '[ -n "$sway_pid" ] && kill "$sway_pid" 2>/dev/null && wait "$sway_pid" 2>/dev/null; rm -rf "$work"' EXIT

"$here/../tests/wayland/start-sway.sh" </dev/null >"$work/sockets" &
sway_pid=$!
for _ in $(seq 200); do
    [ "$(wc -l <"$work/sockets")" -ge 2 ] && break
    kill -0 "$sway_pid" 2>/dev/null || { echo "sway did not start" >&2; exit 1; }
    sleep 0.05
done
export $(cat "$work/sockets")
mkdir -m 0700 "$work/runtime"
XDG_RUNTIME_DIR="$work/runtime" XDG_DATA_HOME="$work/data" QT_QPA_PLATFORM=wayland SDL_AUDIODRIVER=dummy \
    "$build/velko-animation-bench" "${2:-5}"
