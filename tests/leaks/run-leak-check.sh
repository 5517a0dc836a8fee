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

# Where the windows put a control, from the layout table: "x y width height",
# and a control's middle: "x y".
place() { "$build/velko-places" | awk -v w="$1" -v c="$2" '$1 == w && $2 == c {print $3, $4, $5, $6}'; }
middle() { local px py pw ph; read -r px py pw ph <<<"$(place "$1" "$2")"; echo $((px + pw / 2)) $((py + ph / 2)); }
click() { xdotool mousemove "$1" "$2"; sleep 0.3; xdotool click 1; sleep "${3:-2}"; }
# A click in the middle of a control of a window whose top left is at x, y.
press() { local cx cy; read -r cx cy <<<"$(middle "$1" "$2")"; click $((x + cx)) $((y + cy)) "${3:-2}"; }
# The windows open centred on the 1024 x 768 screen.
wid=$(xdotool search --sync --onlyvisible --class velko-lines | head -1)
sleep 8
geometry=$(xdotool getwindowgeometry --shell "$wid")
x=$(echo "$geometry" | sed -n 's/^X=//p'); y=$(echo "$geometry" | sed -n 's/^Y=//p')
press start normalGameButton 6
read -r bx by _ _ <<<"$(place game board)"
for cell in 0 1 2 3 4 5 6 7 8; do                  # clicks across the board
    click $((x + bx + cell * 45 + 22)) $((y + by + 4 * 45 + 22)) 1
done
press game scoresButton 4
xdotool key Escape; sleep 1
for w in $(xdotool search --onlyvisible --class velko-lines); do
    eval "$(xdotool getwindowgeometry --shell "$w")"
    if [ "$WIDTH" -lt 400 ]; then click $((X + WIDTH - 12)) $((Y + 10)) 3; fi   # its close button
done
press game newGameButton 4                          # the question
xdotool key Escape; sleep 2                        # Esc answers No
press game closeButton 4                            # quit: the question
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
