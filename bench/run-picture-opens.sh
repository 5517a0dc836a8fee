#!/usr/bin/env bash
# How often the real game opens each picture file in a session: a picture
# shown again should come from memory, not from the disk. Runs the game under
# strace on a private X server, starts a normal game, sweeps the pointer five
# times over the main window's buttons, opens the high-score table and the
# new-game question twice each, and quits; prints every picture file opened
# more than once, then the totals.
# Usage: bench/run-picture-opens.sh BUILD_DIR   (VELKO_BENCH_DISPLAY=:N picks the X display)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

display=${VELKO_BENCH_DISPLAY:-:$(( 150 + RANDOM % 40 ))}
Xvfb "$display" -noreset -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/data"

strace -f -e trace=openat -o "$work/opens" "$build/velko-lines" >/dev/null 2>&1 &
tracer=$!
sleep 1
game=$(pgrep -P "$tracer" | head -1)
xdotool search --sync --onlyvisible --pid "$game" >/dev/null 2>&1
sleep 1
# Where the windows put a control, from the layout table: "x y width height",
# and a control's middle: "x y".
place() { "$build/velko-places" | awk -v w="$1" -v c="$2" '$1 == w && $2 == c {print $3, $4, $5, $6}'; }
middle() { local px py pw ph; read -r px py pw ph <<<"$(place "$1" "$2")"; echo $((px + pw / 2)) $((py + ph / 2)); }
geometry=$(xdotool search --onlyvisible --pid "$game" | head -1 | xargs xdotool getwindowgeometry --shell)
wx=$(echo "$geometry" | sed -n 's/^X=//p'); wy=$(echo "$geometry" | sed -n 's/^Y=//p')
read -r cx cy <<<"$(middle start normalGameButton)"
xdotool mousemove $((wx + cx)) $((wy + cy)) click 1   # the start screen's normal game
sleep 2
for _ in 1 2 3 4 5; do
    for button in newGameButton scoresButton webButton helpButton; do
        read -r x y w _ <<<"$(place game "$button")"
        for step in 0 1 2 3 4 5 6; do
            xdotool mousemove $((wx + x - 4 + step * (w + 8) / 6)) $((wy + y + 12))
            sleep 0.03
        done
        xdotool mousemove $((wx + 470)) $((wy + 300))   # off the buttons, over the window
        sleep 0.05
    done
done
# Dialogs made afresh each time they open: their pictures are the run's too.
for _ in 1 2; do
    for button in scoresButton newGameButton; do
        read -r cx cy <<<"$(middle game "$button")"
        xdotool mousemove $((wx + cx)) $((wy + cy)) click 1
        sleep 1
        xdotool key Escape   # closes the table; "no" to the question
        sleep 1
    done
done
sleep 1
kill "$game"
wait "$tracer" 2>/dev/null || true

# Successful opens of pictures, by path.
grep -E 'openat\(.*\.(gif|jpg|png|bmp)"' "$work/opens" | grep -v ' = -1 ' |
    sed -E 's/^[0-9]+ +//; s/^openat\([^,]*, "([^"]*)".*/\1/' | sort | uniq -c | sort -rn >"$work/counts"
awk '$1 > 1' "$work/counts"
awk '{files++; opens += $1; if ($1 > 1) twice++} END {printf "picture files opened: %d, opens: %d, files opened more than once: %d\n", files, opens, twice + 0}' "$work/counts"
