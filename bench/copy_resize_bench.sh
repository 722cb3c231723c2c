#!/usr/bin/env bash
# copy_resize_bench.sh CORPUS_DIR [PAGORANTO_BATCH]
#
# Times pagoranto-batch copying and resizing every JPEG directly in CORPUS_DIR to "1024w X 768h"
# at quality 70, against vipsthumbnail -s 1024x768 at Q=70 over the same files spread over two
# processes, in one run, and prints both times, their ratio and the machine's load. Ours runs
# with two jobs to match. The files are read once beforehand, so neither side pays for a cold
# disk. Nothing in CORPUS_DIR is written. vipsthumbnail (libvips-tools) is installed through
# tools/install-deps.sh --bench when it is missing.
set -euo pipefail

usage() { echo "usage: $0 CORPUS_DIR [PAGORANTO_BATCH]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] || usage
corpus=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
program=${2:-$here/../build/bin/pagoranto-batch}
[ -x "$program" ] || { echo "no pagoranto-batch at $program (give its path as second argument)" >&2; exit 1; }
if ! command -v vipsthumbnail >/dev/null; then
    "$here/../tools/install-deps.sh" --bench
fi

mapfile -d '' files < <(find "$corpus" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -print0 | sort -z)
count=${#files[@]}
[ "$count" -gt 0 ] || { echo "no JPEG files in $corpus" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/ours" "$scratch/vips"
cat "${files[@]}" > /dev/null

now() { date +%s.%N; }
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

start=$(now)
"$program" --pictures "$corpus" --copy-to "$scratch/ours" --resize 1024x768 --quality 70 \
    --jobs 2 > /dev/null 2> "$scratch/ours.err" || { echo "pagoranto-batch failed:" >&2; head -5 "$scratch/ours.err" >&2; }
ours=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')
made=$(find "$scratch/ours" -type f | wc -l)

start=$(now)
printf '%s\0' "${files[@]}" |
    xargs -0 -n 8 -P 2 vipsthumbnail -s 1024x768 -o "$scratch/vips/%s.jpg[Q=70]" 2> "$scratch/vips.err" || true
vips=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')
madeV=$(find "$scratch/vips" -type f | wc -l)
load_after=$(cut -d' ' -f1-3 /proc/loadavg)

awk -v n="$count" -v cores="$(nproc)" -v ours="$ours" -v made="$made" -v vips="$vips" \
    -v madeV="$madeV" -v before="$load_before" -v after="$load_after" 'BEGIN {
    printf "%d photos, %d cores, 1024w X 768h at quality 70, two workers each\n", n, cores
    printf "%-34s %8.2f s %4d made %7.1f photos/s\n", "pagoranto-batch --copy-to", ours, made, n / ours
    printf "%-34s %8.2f s %4d made %7.1f photos/s\n", "vipsthumbnail (xargs -P 2)", vips, madeV, n / vips
    printf "ratio vipsthumbnail time / ours: %.2f (above 1: ours is faster)\n", vips / ours
    printf "load average before: %s, after: %s\n", before, after
}'
