#!/usr/bin/env bash
# websize_bench.sh CORPUS_DIR [PAGORANTO_BATCH]
#
# Times, in one run, on every core:
#   1. pagoranto-batch making the web-size copies (1600 x 1200) of every photo of CORPUS_DIR for
#      the picture layout, pages included, no thumbnails;
#   2. vipsthumbnail -s 1600x1200 over the same files, spread over as many processes as cores;
#   3. the whole strip gallery: web-size copies, thumbnails and pages in one run;
#   4. the two steps one after the other: the web-size run of 1, then the thumbnails alone;
#   5. a re-run of 3 over the unchanged gallery.
# and prints the times, the ratios (the goal: 3 at most 1.1 x 1) and the machine's load. The
# photos are hard-linked into scratch folders (on the same file system as CORPUS_DIR), so
# CORPUS_DIR itself gets nothing written. vipsthumbnail (libvips-tools) is installed through
# tools/install-deps.sh --bench when it is missing.
set -euo pipefail

usage() { echo "usage: $0 CORPUS_DIR [PAGORANTO_BATCH]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] || usage
corpus=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
program=${2:-$here/../build/bin/pagoranto-batch}
[ -x "$program" ] || { echo "no pagoranto-batch at $program (give its path as second argument)" >&2; exit 1; }
layouts=$(dirname "$program")/layouts
if ! command -v vipsthumbnail >/dev/null; then
    "$here/../tools/install-deps.sh" --bench
fi

mapfile -d '' files < <(find "$corpus" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -print0 | sort -z)
count=${#files[@]}
[ "$count" -gt 0 ] || { echo "no JPEG files in $corpus" >&2; exit 1; }

scratch=$(mktemp -d "$corpus/../websize-bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
gallery() { # a folder holding hard links of the photos
    mkdir -p "$scratch/$1"
    ln "${files[@]}" "$scratch/$1/"
    echo "$scratch/$1"
}
home="$scratch/home"
mkdir -p "$home/thumbnailer" "$scratch/vips"
cat "${files[@]}" > /dev/null

now() { date +%s.%N; }
timed() { # seconds the command took
    local start; start=$(now)
    "$@" > /dev/null 2>> "$scratch/errors.txt" || echo "failed: $*" >> "$scratch/errors.txt"
    awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }'
}
batch() { "$program" --home "$home" --overwrite --counter 1 "$@"; }
load_before=$(cut -d' ' -f1-3 /proc/loadavg)

web=$(gallery web)
webOnly=$(timed batch --pictures "$web" --template "$layouts/picture.html" --web-size 1600x1200 --no-thumbnails)
vips=$(timed sh -c 'printf "%s\0" "$@" | xargs -0 -n 8 -P "$(nproc)" vipsthumbnail -s 1600x1200 -o "'"$scratch"'/vips/%s.jpg[Q=85]"' sh "${files[@]}")
whole=$(gallery whole)
wholeRun=$(timed batch --pictures "$whole" --template "$layouts/strip.html" --web-size 1600x1200 --thumbnails)
rerun=$(timed batch --pictures "$whole" --template "$layouts/strip.html" --web-size 1600x1200)
steps=$(gallery steps)
firstStep=$(timed batch --pictures "$steps" --template "$layouts/picture.html" --web-size 1600x1200 --no-thumbnails)
secondStep=$(timed batch --pictures "$steps" --template "$layouts/index.html" --no-web-size --thumbnails)
load_after=$(cut -d' ' -f1-3 /proc/loadavg)
copies=$(find "$whole/web" -type f | wc -l)
bytes=$(du -sb "$whole/web" | cut -f1)

awk -v n="$count" -v cores="$(nproc)" -v webOnly="$webOnly" -v vips="$vips" -v whole="$wholeRun" \
    -v rerun="$rerun" -v first="$firstStep" -v second="$secondStep" -v copies="$copies" \
    -v bytes="$bytes" -v before="$load_before" -v after="$load_after" 'BEGIN {
    printf "%d photos, %d cores, box 1600 x 1200; %d copies, %.0f KB each on average\n", n, cores, copies, bytes / 1024 / (copies ? copies : 1)
    printf "%-44s %8.2f s\n", "1 web-size copies and pages (picture layout)", webOnly
    printf "%-44s %8.2f s\n", "2 vipsthumbnail -s 1600x1200 (xargs -P cores)", vips
    printf "%-44s %8.2f s\n", "3 whole strip gallery in one run", whole
    printf "%-44s %8.2f s\n", "4 the two steps one after the other", first + second
    printf "%-44s %8.3f s\n", "5 re-run of 3, nothing changed", rerun
    printf "ratio 1 / 2 (web-size copies against vipsthumbnail): %.2f\n", webOnly / vips
    printf "ratio 3 / 1 (whole gallery against the web-size step; goal <= 1.1): %.2f\n", whole / webOnly
    printf "ratio 3 / 4 (one run against two steps): %.2f\n", whole / (first + second)
    printf "load average before: %s, after: %s\n", before, after
}'
if [ -s "$scratch/errors.txt" ]; then
    echo "messages of the runs (first lines):"; grep -v '^Thumbnails:\|^Web-size' "$scratch/errors.txt" | head -5
fi
