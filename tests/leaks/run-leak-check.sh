#!/usr/bin/env bash
# Runs a scripted session of the real program under valgrind on a private X
# server: start a normal game, play a few clicks, open and close the high-score
# table, decline a new game, start one, quit with Yes. Fails when valgrind finds
# memory definitely lost with one of our own functions on the allocating stack.
# Usage: tests/leaks/run-leak-check.sh BUILD_DIR
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

display=:$(( 110 + RANDOM % 40 ))
Xvfb "$display" -noreset -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/data"

valgrind --leak-check=full --show-leak-kinds=definite --num-callers=40 \
    --log-file="$work/valgrind.log" "$build/velko-lines" &
vpid=$!

click() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool click 1; sleep "${3:-2}"; }
# The windows open centred on the 1024 x 768 screen.
wid=$(xdotool search --sync --onlyvisible --class velko-lines | head -1)
sleep 8
geometry=$(xdotool getwindowgeometry --shell "$wid")
x=$(echo "$geometry" | sed -n 's/^X=//p'); y=$(echo "$geometry" | sed -n 's/^Y=//p')
click $((x + 330)) $((y + 322)) 6                 # normal game
for cell in 0 1 2 3 4 5 6 7 8; do                  # clicks across the board
    click $((x + 30 + cell * 45 + 22)) $((y + 38 + 4 * 45 + 22)) 1
done
click $((x + 562)) $((y + 157)) 4                  # high-score table
xdotool key Escape; sleep 1
for w in $(xdotool search --onlyvisible --class velko-lines); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" -lt 400 ]; then click $((X + WIDTH - 12)) $((Y + 10)) 3; fi   # its close button
done
click $((x + 562)) $((y + 121)) 4                  # new game: the question
xdotool key Escape; sleep 2                        # Esc answers No
click $((x + 621)) $((y + 10)) 4                   # quit: the question
answered=no
for _ in $(seq 30); do                             # wait for it, then answer Yes
    for w in $(xdotool search --onlyvisible --class velko-lines); do
        eval "$(xdotool getwindowgeometry --shell "$w")"
        if [ "$WIDTH" -lt 400 ]; then click $((X + 72)) $((Y + HEIGHT - 19)) 2; answered=yes; fi
    done
    [ "$answered" = yes ] && break
    sleep 1
done
for _ in $(seq 120); do kill -0 "$vpid" 2>/dev/null || break; sleep 1; done
if kill -0 "$vpid" 2>/dev/null; then echo "the game did not end"; kill "$vpid"; exit 1; fi
wait "$vpid" || true

summary=$(grep -E "definitely lost:" "$work/valgrind.log" || true)
echo "valgrind: ${summary#*== }"
# Each loss record runs from its "definitely lost" line to the next blank line.
# It is ours when one of our functions made the allocation: one of the two
# frames right above the allocator. Libraries that keep a one-time allocation
# for the whole run (fontconfig, glib, dbus) show our code only far below.
ours=$(awk '/definitely lost in loss record/ {record=$0; keep=1; frames=0; mine=0; next}
            keep && /^==[0-9]+== *$/ {if (mine) print record; keep=0; next}
            keep && /by 0x/ {frames++; if (frames <= 2 && /velko::|engine\/|shell\/|ui\//) mine=1}' "$work/valgrind.log")
if [ -n "$ours" ]; then
    echo "Memory definitely lost from our code:"; echo "$ours"
    cp "$work/valgrind.log" /tmp/velko-leaks.log; echo "full log: /tmp/velko-leaks.log"
    exit 1
fi
echo "Nothing definitely lost from our code."
