#!/usr/bin/env bash
# bench/batch_wait_bench.sh CORPUS_DIR [BATCH_PROGRAM]
# How much of a core the batch program itself takes while it waits for the thumbnailer: runs
# pagoranto-batch --thumbnails on every *.jpg of the corpus and samples the processor time of the
# batch process alone (not of the thumbnailer it starts) from /proc. Prints the batch's own
# time, the wall time of the run, and the share of a core.
set -euo pipefail
corpus=${1:?usage: $0 CORPUS_DIR [BATCH_PROGRAM]}
batch=${2:-$(dirname "$0")/../build/bin/pagoranto-batch}
layouts=$(dirname "$0")/../data/layouts
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/pics" "$work/home/thumbnailer"
for file in "$corpus"/*.jpg; do ln -s "$(readlink -f "$file")" "$work/pics/"; done
count=$(ls "$work/pics" | wc -l)
ticks=$(getconf CLK_TCK)

start=$(date +%s.%N)
"$batch" --home "$work/home" --pictures "$work/pics" --template "$layouts"/index.html \
    --thumbnails --overwrite >/dev/null 2>"$work/log" &
pid=$!
own=0
# utime + stime of the batch process itself, fields 14 and 15 of its stat line.
while stat=$(cat "/proc/$pid/stat" 2>/dev/null); do
    own=$(echo "$stat" | awk '{print $14 + $15}')
    sleep 0.1
done
wait "$pid"
wall=$(echo "$(date +%s.%N) - $start" | bc)
printf '%d pictures: run %.2f s, the batch process itself %.2f s of processor time, %.1f %% of a core\n' \
    "$count" "$wall" "$(echo "$own / $ticks" | bc -l)" "$(echo "100 * $own / $ticks / $wall" | bc -l)"
