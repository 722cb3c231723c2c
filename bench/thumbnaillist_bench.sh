#!/usr/bin/env bash
# thumbnaillist_bench.sh CORPUS_DIR [BUILD_DIR]
#
# Times filling the real thumbnail list (offscreen window) with a tile for every JPEG of
# CORPUS_DIR until the build ends, and in the same run djpeg decoding the same files at 1/8
# to /dev/null, once one file after the other and once spread over every core; prints the
# times and their ratios. BUILD_DIR defaults to build/ beside this folder and must hold
# bench/bench_thumbnaillist. The files are read once beforehand, so no side pays for a cold
# disk. Nothing in CORPUS_DIR is written.
set -euo pipefail

usage() { echo "usage: $0 CORPUS_DIR [BUILD_DIR]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] || usage
corpus=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
build=${2:-$here/../build}
driver=$build/bench/bench_thumbnaillist
[ -x "$driver" ] || { echo "no driver at $driver (cmake --build $build --target bench_thumbnaillist)" >&2; exit 1; }
if ! command -v djpeg >/dev/null; then
    echo "djpeg is missing; installing libjpeg-turbo-progs" >&2
    if [ "$(id -u)" -eq 0 ]; then apt-get install -y libjpeg-turbo-progs >&2
    else sudo apt-get install -y libjpeg-turbo-progs >&2; fi
fi

# The list takes the names its mask "*.jpg" gives, without regard to case.
mapfile -d '' files < <(find "$corpus" -maxdepth 1 -type f -iname '*.jpg' -print0 | sort -z)
count=${#files[@]}
[ "$count" -gt 0 ] || { echo "no JPEG files in $corpus" >&2; exit 1; }
cores=$(nproc 2>/dev/null || echo 1)
cat "${files[@]}" > /dev/null

now() { date +%s.%N; }

start=$(now)
report=$(QT_QPA_PLATFORM=offscreen "$driver" "$corpus")
ours=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')

start=$(now)
for file in "${files[@]}"; do
    djpeg -scale 1/8 -outfile /dev/null "$file"
done
djpeg1=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')

start=$(now)
printf '%s\0' "${files[@]}" | xargs -0 -n 1 -P "$cores" djpeg -scale 1/8 -outfile /dev/null
djpegn=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')

echo "thumbnail list: $report"
awk -v n="$count" -v cores="$cores" -v ours="$ours" -v djpeg1="$djpeg1" -v djpegn="$djpegn" 'BEGIN {
    printf "%d photos, %d cores\n", n, cores
    printf "%-40s %8.2f s %9.1f photos/s\n", "thumbnail list (program start to end)", ours, n / ours
    printf "%-40s %8.2f s %9.1f photos/s\n", "djpeg -scale 1/8 (one after the other)", djpeg1, n / djpeg1
    printf "%-40s %8.2f s %9.1f photos/s\n", "djpeg -scale 1/8 (xargs -P " cores ")", djpegn, n / djpegn
    printf "ratio thumbnail list / djpeg: %.2f (one after the other), %.2f (xargs -P %d)\n", ours / djpeg1, ours / djpegn, cores
}'
