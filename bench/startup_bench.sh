#!/usr/bin/env bash
# startup_bench.sh [RUNS] [BUILD_DIR]
#
# Starts the desktop program RUNS times (default 7) on a copy of the sample photos under Xvfb
# and prints, as the median over the starts in milliseconds from the launch: the first paint of
# the picture area, the first screen of tiles painted, and "info.html" shown in the embedded
# browser. Each start gets a fresh picture folder and an empty thumbnail cache, so every start
# decodes its tiles. BUILD_DIR defaults to build/ beside this folder and must hold
# bin/pagoranto. The machine's load is printed too: other builds slow every figure.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
runs=${1:-7}
build=$(cd "${2:-$here/../build}" && pwd)
program=$build/bin/pagoranto
[ -x "$program" ] || { echo "no program at $program (cmake --build $build --target pagoranto)" >&2; exit 1; }
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1600x1000x24" "$0" "$runs" "$build"
fi
export QT_QPA_PLATFORM=xcb QTWEBENGINE_DISABLE_SANDBOX=1

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
milestones=(window tiles browser)
timeoutSeconds=30

StartOnce() {
    local run=$1 pictures=$scratch/$1/pictures log=$scratch/$1.log
    mkdir -p "$pictures" "$scratch/$run/cache"
    cp "$build"/bin/samples/*.jpg "$pictures"
    cat "$program" "$pictures"/*.jpg >/dev/null
    : >"$log"
    XDG_CACHE_HOME=$scratch/$run/cache PAGORANTO_STARTUP_TIMING=$(date +%s%N) \
        "$program" "$pictures" >/dev/null 2>"$log" &
    local pid=$! waited=0
    until grep -q '^startup: tiles' "$log" && grep -q '^startup: browser' "$log"; do
        if ! kill -0 "$pid" 2>/dev/null || [ "$waited" -ge $((timeoutSeconds * 10)) ]; then
            echo "start $run did not reach every milestone:" >&2
            tail -n 20 "$log" >&2
            break
        fi
        sleep 0.1
        waited=$((waited + 1))
    done
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

for ((run = 1; run <= runs; ++run)); do
    StartOnce "$run"
done

echo "load: $(uptime)"
echo "$runs starts of $program on the sample photos"
for milestone in "${milestones[@]}"; do
    values=$(cat "$scratch"/*.log | awk -v m="$milestone" '$1 == "startup:" && $2 == m { print $3 }' | sort -n)
    count=$(printf '%s\n' "$values" | grep -c . || true)
    [ "$count" -gt 0 ] || { printf '%-8s no start reached it\n' "$milestone"; continue; }
    printf '%s\n' "$values" | awk -v m="$milestone" -v n="$count" '
        { v[NR] = $1 }
        END {
            median = (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
            printf "%-8s median %6.0f ms   min %6d ms   max %6d ms   (%d starts)\n", m, median, v[1], v[n], n
        }'
done
