#!/usr/bin/env bash
# Starts a headless sway for the tests and the bench, as the current user, or
# as an unprivileged one when run as root (sway refuses to run as root). It
# prints two lines once the compositor takes clients:
#   WAYLAND_DISPLAY=/absolute/path/to/wayland-socket
#   SWAYSOCK=/absolute/path/to/sway-ipc.sock
# Clients of any user, root included, connect with WAYLAND_DISPLAY set to that
# path. The script stays until it is sent SIGTERM or SIGINT, or its standard
# input, when a pipe, closes; then it ends sway and removes its folder.
# Usage: start-sway.sh [SCALE] [WIDTHxHEIGHT]   (defaults 1 and 1024x768)
set -euo pipefail
scale=${1:-1}
mode=${2:-1024x768}

command -v sway >/dev/null || { echo "no sway installed" >&2; exit 2; }

# Whom sway runs as, and how.
run_as=()
if [ "$(id -u)" = 0 ]; then
    user=nobody
    id "$user" >/dev/null 2>&1 || { echo "no user $user to run sway as" >&2; exit 2; }
    run_as=(setpriv --reuid="$(id -u $user)" --regid="$(id -g $user)" --clear-groups --)
fi

runtime=$(mktemp -d /tmp/velko-sway.XXXXXX)
sway_pid=
cleanup() {
    trap - EXIT INT TERM
    if [ -n "$sway_pid" ]; then
        kill "$sway_pid" 2>/dev/null || true
        wait "$sway_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 0' INT TERM

chmod 0700 "$runtime"
cat >"$runtime/config" <<CONFIG
output HEADLESS-1 mode $mode scale $scale
default_border none
default_floating_border none
focus_follows_mouse no
CONFIG
[ -n "${user:-}" ] && chown -R "$user:" "$runtime"

env -i PATH="$PATH" HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
    WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
    "${run_as[@]}" sway --config "$runtime/config" >"$runtime/sway.log" 2>&1 </dev/null &
sway_pid=$!

# Ready once both the Wayland and the IPC sockets are there.
for _ in $(seq 200); do
    display=$(find "$runtime" -maxdepth 1 -type s -name 'wayland-*' | head -1)
    ipc=$(find "$runtime" -maxdepth 1 -type s -name 'sway-ipc.*' | head -1)
    [ -n "$display" ] && [ -n "$ipc" ] && break
    if ! kill -0 "$sway_pid" 2>/dev/null; then
        echo "sway did not start:" >&2
        cat "$runtime/sway.log" >&2
        exit 1
    fi
    sleep 0.05
done
if [ -z "$display" ] || [ -z "$ipc" ]; then
    echo "sway made no socket" >&2
    exit 1
fi
echo "WAYLAND_DISPLAY=$display"
echo "SWAYSOCK=$ipc"

# Wait for the end: a signal, sway ending, or, when standard input is a pipe
# (a test that starts this script), that pipe closing.
watch_input=false
[ -p /dev/stdin ] && watch_input=true
while kill -0 "$sway_pid" 2>/dev/null; do
    if $watch_input; then
        rc=0
        read -r -t 1 _ || rc=$?
        # above 128: the wait timed out; else the input has ended
        if [ "$rc" -ne 0 ] && [ "$rc" -le 128 ]; then break; fi
    else
        sleep 1
    fi
done
