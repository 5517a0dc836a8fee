#!/usr/bin/env bash
# Measures the real program on a private X server against a minimal Qt Widgets
# window built here, bare and with SDL_mixer's output opened (the least any
# program with sound holds): start-up time to the first window shown, peak
# memory of a running game, and what an idle running game and a minimised one
# cost in 10 s: processor time and wake-ups (context switches of its threads).
# Last, the turn's animation timed by velko-animation-bench, when it is built.
# Usage: bench/run-app-bench.sh BUILD_DIR   (VELKO_BENCH_DISPLAY=:N picks the X display, RUNS the starts, TURNS the timed turns)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
game="$build/velko-lines"
work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT

g++ -O2 -fPIC -o "$work/minimal-window" "$here/minimal_window.cpp" $(pkg-config --cflags --libs Qt6Widgets)
g++ -O2 -fPIC -DWITH_AUDIO -o "$work/minimal-window-audio" "$here/minimal_window.cpp" \
    $(pkg-config --cflags --libs Qt6Widgets SDL2_mixer)

display=${VELKO_BENCH_DISPLAY:-:$(( 150 + RANDOM % 40 ))}
Xvfb "$display" -noreset -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb SDL_AUDIODRIVER=dummy XDG_DATA_HOME="$work/data"
# A window manager, when there is one, so that the game can be minimised.
if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & sleep 1; fi

# Milliseconds from launching $1 until a window of the program is visible.
time_to_window() {
    local start end pid
    start=$(date +%s%N)
    "$1" >/dev/null 2>&1 &
    pid=$!
    # Poll often: xdotool's own --sync waits in half-second steps.
    for _ in $(seq 1000); do
        xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1 && break
        sleep 0.01
    done
    end=$(date +%s%N)
    kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null || true
    echo $(( (end - start) / 1000000 ))
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

runs=${RUNS:-7}
# Side by side, so that the load of the machine falls on both alike.
for i in $(seq $runs); do
    echo "game $(time_to_window "$game")"
    echo "base $(time_to_window "$work/minimal-window")"
    echo "audio $(time_to_window "$work/minimal-window-audio")"
done >"$work/starts"
game_ms=$(awk '$1 == "game" {print $2}' "$work/starts" | median)
base_ms=$(awk '$1 == "base" {print $2}' "$work/starts" | median)
audio_ms=$(awk '$1 == "audio" {print $2}' "$work/starts" | median)

# Context switches of the main thread and of all threads of process $1.
switches() {
    local main=0 all=0 n
    for task in /proc/"$1"/task/*; do
        n=$(awk '/ctxt_switches/ {s += $2} END {print s}' "$task/status" 2>/dev/null || echo 0)
        all=$((all + n))
        [ "${task##*/}" = "$1" ] && main=$n
    done
    echo "$main $all"
}
# Wake-ups a second over 10 s: "main-thread whole-process".
wakeups() {
    local a b
    a=($(switches "$1")); sleep 10; b=($(switches "$1"))
    echo "$(( (b[0] - a[0]) / 10 )) $(( (b[1] - a[1]) / 10 ))"
}

# Where the windows put a control, from the layout table: "x y width height",
# and a control's middle: "x y".
place() { "$build/velko-places" | awk -v w="$1" -v c="$2" '$1 == w && $2 == c {print $3, $4, $5, $6}'; }
middle() { local px py pw ph; read -r px py pw ph <<<"$(place "$1" "$2")"; echo $((px + pw / 2)) $((py + ph / 2)); }

# Start a normal game, let it run idle, then read its memory and processor use.
"$game" >/dev/null 2>&1 &
gpid=$!
xdotool search --sync --onlyvisible --pid "$gpid" >/dev/null 2>&1
sleep 1
geometry=$(xdotool search --onlyvisible --pid "$gpid" | head -1 | xargs xdotool getwindowgeometry --shell)
wx=$(echo "$geometry" | sed -n 's/^X=//p'); wy=$(echo "$geometry" | sed -n 's/^Y=//p')
read -r cx cy <<<"$(middle start normalGameButton)"
xdotool mousemove $((wx + cx)) $((wy + cy)) click 1   # the start screen's normal game
sleep 3
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
t0=$(ticks "$gpid"); idle_wake=($(wakeups "$gpid")); t1=$(ticks "$gpid")
hz=$(getconf CLK_TCK)
idle_cpu=$(awk -v t=$((t1 - t0)) -v hz="$hz" 'BEGIN {printf "%.2f", 100 * t / hz / 10}')
game_kb=$(awk '/VmHWM/ {print $2}' "/proc/$gpid/status")
# The space bar minimises the game, which rests the tune.
xdotool mousemove $((wx + 100)) $((wy + 100)) key space
sleep 2
min_wake=($(wakeups "$gpid"))
kill "$gpid"; wait "$gpid" 2>/dev/null || true

# Peak memory in KiB of the program $1 once its window shows, and with
# "wake" as $2, its wake-ups: "peak main-thread whole-process".
settled() {
    local pid wake=""
    "$1" >/dev/null 2>&1 &
    pid=$!
    xdotool search --sync --onlyvisible --pid "$pid" >/dev/null 2>&1
    sleep 3
    [ "${2:-}" = wake ] && wake=$(wakeups "$pid")
    echo "$(awk '/VmHWM/ {print $2}' "/proc/$pid/status") $wake"
    kill "$pid"; wait "$pid" 2>/dev/null || true
}
base=($(settled "$work/minimal-window" wake)); base_kb=${base[0]}; base_wake=("${base[@]:1}")
audio=($(settled "$work/minimal-window-audio")); audio_kb=${audio[0]}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'; }

printf 'start-up to first window: game %d ms, minimal Qt window %d ms (ratio %s), with audio %d ms (ratio %s)\n' \
    "$game_ms" "$base_ms" "$(ratio "$game_ms" "$base_ms")" "$audio_ms" "$(ratio "$game_ms" "$audio_ms")"
printf 'peak memory of a running game: %d KiB, minimal Qt window %d KiB (ratio %s), with audio %d KiB (ratio %s)\n' \
    "$game_kb" "$base_kb" "$(ratio "$game_kb" "$base_kb")" "$audio_kb" "$(ratio "$game_kb" "$audio_kb")"
printf 'processor use of an idle running game over 10 s: %s %% of one core\n' "$idle_cpu"
printf 'wake-ups a second, main thread / whole process: idle running game %d / %d, minimised game %d / %d, minimal Qt window %d / %d\n' \
    "${idle_wake[0]}" "${idle_wake[1]}" "${min_wake[0]}" "${min_wake[1]}" "${base_wake[0]}" "${base_wake[1]}"

# The turn's animation on X11, window shown and minimised (bench/run-wayland-bench.sh does it on Wayland).
if [ -x "$build/velko-animation-bench" ]; then
    "$build/velko-animation-bench" "${TURNS:-5}" 2>/dev/null
fi
