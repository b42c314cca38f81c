#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up time and memory of zelmora against zelmora_baseline, a plain Qt Widgets window of the
# same size with the same kinds and number of controls, measured in one run on one virtual X
# server so that both see the same machine load.
#
# Usage: bench/startup.sh [BUILD_DIR] [RUNS]
#   BUILD_DIR  build folder holding zelmora and bench/zelmora_baseline (default: build/ in the
#              repository); build them with: make -C BUILD_DIR zelmora zelmora_baseline
#   RUNS       launches of each program (default: 15); the two take turns, and which one goes
#              first alternates from round to round
#
# For every launch it measures the time from starting the process until the X server maps its
# window (the MapNotify event on the root window), and the resident memory (VmRSS) one second
# later; then it ends the program. One unmeasured launch of each comes first, to warm the caches.
# It prints every launch, the medians and the ratios zelmora / baseline.
#
# Needs Xvfb (Debian package xvfb), xev and xwininfo (x11-utils) and stdbuf (coreutils). It
# installs nothing.

set -euo pipefail

readonly ZELMORA_TITLE='Zelmora (Tavrin)'
readonly BASELINE_TITLE='Qt Widgets start-up baseline'
readonly MAP_TIMEOUT_SECONDS=20

script_dir=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build_dir=${1:-$script_dir/../build}
runs=${2:-15}

fail() {
    echo "startup.sh: $*" >&2
    exit 2
}

[[ $runs =~ ^[1-9][0-9]*$ ]] || fail "RUNS must be a positive whole number, not '$runs'"

missing=()
command -v Xvfb >/dev/null || missing+=("Xvfb (package xvfb)")
command -v xev >/dev/null || missing+=("xev (package x11-utils)")
command -v xwininfo >/dev/null || missing+=("xwininfo (package x11-utils)")
command -v stdbuf >/dev/null || missing+=("stdbuf (package coreutils)")
if ((${#missing[@]})); then
    printf 'startup.sh: missing tools:\n' >&2
    printf '  %s\n' "${missing[@]}" >&2
    printf 'Install them, for example: sudo apt-get install xvfb x11-utils\n' >&2
    exit 2
fi

[[ -d $build_dir ]] || fail "no build folder '$build_dir'"
build_dir=$(cd "$build_dir" && pwd)
zelmora=$build_dir/zelmora
baseline=$build_dir/bench/zelmora_baseline
for program in "$zelmora" "$baseline"; do
    [[ -x $program ]] || fail "'$program' is not built; run: make -C '$build_dir' zelmora zelmora_baseline"
done

work=$(mktemp -d "${TMPDIR:-/tmp}/zelmora-startup.XXXXXX")
# Both programs start from empty settings of their own, not from what the user left: remembered
# marks or recent files would change what the window does at start-up.
export XDG_CONFIG_HOME=$work/config
xvfb_pid=''
program_pid=''

cleanup() {
    [[ -n $program_pid ]] && kill "$program_pid" 2>/dev/null
    [[ -n ${XEV_PID:-} ]] && kill "$XEV_PID" 2>/dev/null
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# The server picks a free display itself and writes its number once it accepts connections.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
    sleep 0.1
done
[[ -s $work/display ]] || fail "Xvfb gave no display number within 10 seconds"
DISPLAY=":$(cat "$work/display")"
export DISPLAY
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY

# Every top-level window mapped on the server is reported here, one event per few lines.
coproc XEV { exec stdbuf -oL xev -root -event substructure 2>/dev/null; }
sleep 0.5

# Discards the events of earlier launches: waits until the server has been quiet for 0.2 s.
drain_events() {
    local line
    while read -r -t 0.2 -u "${XEV[0]}" line; do :; done
    return 0
}

# Now in microseconds, whatever the locale writes as the decimal separator.
now_us() {
    local t=$EPOCHREALTIME
    echo "${t/[.,]/}"
}

# Starts a program and waits until its window with the given title is mapped. Sets
# launch_us (start-up time) and launch_kb (resident memory one second after the mapping).
launch() {
    local program=$1 title=$2 line window info mapped_us
    drain_events
    local start_us=${EPOCHREALTIME/[.,]/}
    "$program" >/dev/null 2>"$work/program.log" &
    program_pid=$!
    local deadline_us=$((start_us + MAP_TIMEOUT_SECONDS * 1000000))
    while :; do
        if ! read -r -t 1 -u "${XEV[0]}" line; then
            kill -0 "$program_pid" 2>/dev/null || fail "$(basename "$program") ended before its window appeared: $(cat "$work/program.log")"
            (($(now_us) < deadline_us)) || fail "no window '$title' within $MAP_TIMEOUT_SECONDS seconds"
            continue
        fi
        [[ $line == MapNotify* ]] || continue
        mapped_us=${EPOCHREALTIME/[.,]/}
        read -r -t 1 -u "${XEV[0]}" line || continue
        [[ $line =~ window\ (0x[0-9a-fA-F]+) ]] || continue
        window=${BASH_REMATCH[1]}
        info=$(xwininfo -id "$window" 2>/dev/null) || continue
        [[ $info == *"\"$title\""* ]] && break
    done
    launch_us=$((mapped_us - start_us))
    sleep 1
    launch_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$program_pid/status" 2>/dev/null) || true
    [[ -n $launch_kb ]] || fail "$(basename "$program") ended within a second of showing its window"
    kill "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
    program_pid=''
}

median() {
    printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

zelmora_us=() zelmora_kb=() baseline_us=() baseline_kb=()

measure() {
    local which=$1 round=$2
    if [[ $which == zelmora ]]; then
        launch "$zelmora" "$ZELMORA_TITLE"
        zelmora_us+=("$launch_us") zelmora_kb+=("$launch_kb")
    else
        launch "$baseline" "$BASELINE_TITLE"
        baseline_us+=("$launch_us") baseline_kb+=("$launch_kb")
    fi
    awk -v r="$round" -v p="$which" -v us="$launch_us" -v kb="$launch_kb" \
        'BEGIN { printf "%5d  %-8s  %8.1f ms  %7.1f MiB\n", r, p, us / 1000, kb / 1024 }'
}

echo "Display $DISPLAY, $runs launches of each program from $build_dir"
launch "$zelmora" "$ZELMORA_TITLE"
launch "$baseline" "$BASELINE_TITLE"
printf '%5s  %-8s  %11s  %11s\n' round program start-up 'RSS at +1 s'
for ((round = 1; round <= runs; ++round)); do
    if ((round % 2)); then
        measure zelmora "$round"
        measure baseline "$round"
    else
        measure baseline "$round"
        measure zelmora "$round"
    fi
done

awk -v zu="$(median "${zelmora_us[@]}")" -v zk="$(median "${zelmora_kb[@]}")" \
    -v bu="$(median "${baseline_us[@]}")" -v bk="$(median "${baseline_kb[@]}")" -v n="$runs" 'BEGIN {
    printf "\nMedians of %d launches        start-up     RSS at +1 s\n", n
    printf "  zelmora                   %8.1f ms  %8.1f MiB\n", zu / 1000, zk / 1024
    printf "  baseline                  %8.1f ms  %8.1f MiB\n", bu / 1000, bk / 1024
    printf "  ratio zelmora / baseline  %8.3f     %8.3f\n", zu / bu, zk / bk
}'
