#!/usr/bin/env bash
# thumbnailer_bench.sh CORPUS_DIR [THUMBNAILER]
#
# Times PagorantoThumbNailer and vipsthumbnail making 160x120 thumbnails (quality 70) of every
# JPEG directly in CORPUS_DIR, in the same run, and prints photos per second of each and their
# ratio. THUMBNAILER defaults to build/bin/thumbnailer/PagorantoThumbNailer beside this folder.
#
# Like for like: our thumbnails get no margins, border or frame; both turn photos by their EXIF
# orientation; vipsthumbnail runs once as one process over all files (its own threads) and once
# spread over every core with xargs -P like ours. The files are read once beforehand, so neither
# side pays for a cold disk. Ours then runs a second time over the same, unchanged photos, where
# it only checks the stamps of the thumbnails it made. Nothing in CORPUS_DIR is written.
set -euo pipefail

usage() { echo "usage: $0 CORPUS_DIR [THUMBNAILER]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] || usage
corpus=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
program=${2:-$here/../build/bin/thumbnailer/PagorantoThumbNailer}
[ -x "$program" ] || { echo "no thumbnailer at $program (give its path as second argument)" >&2; exit 1; }
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
if ! command -v vipsthumbnail >/dev/null; then
    echo "vipsthumbnail is missing; install it with: sudo apt-get install libvips-tools" >&2
    exit 1
fi

mapfile -d '' files < <(find "$corpus" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -print0 | sort -z)
count=${#files[@]}
[ "$count" -gt 0 ] || { echo "no JPEG files in $corpus" >&2; exit 1; }
cores=$(nproc 2>/dev/null || echo 1)

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/program/thumbnailer" "$scratch/ours" "$scratch/vips1" "$scratch/vipsn"
work=$scratch/program/thumbnailer
printf '%s\r\n' "[PAGORANTOTHUMBNAILER]" "SDIR=$scratch/ours/" "PDIR=" "DDIR=thumbnails/" \
    "WIDT=160" "HEIG=120" "COMP=070" "COLO=8388608" "GREY=0" "TIME=100" "ACTI=1" "DIBB=0" \
    "DIBH=0" "ECOL=16777088" "GRAD=0" "DDDR=0" "BORD=0" > "$work/mtoptions.cfg"
printf '%s\r\n' "${files[@]}" > "$work/filelist.dat"

cat "${files[@]}" > /dev/null

now() { date +%s.%N; }

start=$(now)
status=0
(cd "$work" && "$program" '?' 2 3 4 5 1) 2> "$scratch/ours.err" || status=$?
ours=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')
made=$(find "$scratch/ours/thumbnails" -type f | wc -l)
[ "$status" -eq 0 ] || { echo "PagorantoThumbNailer exited with $status:" >&2; head -5 "$scratch/ours.err" >&2; }

start=$(now)
(cd "$work" && "$program" '?' 2 3 4 5 1) 2> /dev/null || true
again=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')

start=$(now)
vipsthumbnail --size 160x120 -o "$scratch/vips1/%s.jpg[Q=70]" "${files[@]}" 2> "$scratch/vips1.err" || true
vips1=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')
made1=$(find "$scratch/vips1" -type f | wc -l)

start=$(now)
printf '%s\0' "${files[@]}" |
    xargs -0 -n 8 -P "$cores" vipsthumbnail --size 160x120 -o "$scratch/vipsn/%s.jpg[Q=70]" 2> "$scratch/vipsn.err" || true
vipsn=$(awk -v a="$start" -v b="$(now)" 'BEGIN { print b - a }')
madeN=$(find "$scratch/vipsn" -type f | wc -l)

awk -v n="$count" -v cores="$cores" \
    -v ours="$ours" -v made="$made" -v again="$again" \
    -v vips1="$vips1" -v made1="$made1" \
    -v vipsn="$vipsn" -v madeN="$madeN" 'BEGIN {
    printf "%d photos, %d cores, 160x120 thumbnails, quality 70\n", n, cores
    printf "%-36s %8.2f s %4d made %9.1f photos/s\n", "PagorantoThumbNailer", ours, made, n / ours
    printf "%-36s %8.2f s %14s %9.1f photos/s\n", "PagorantoThumbNailer, second run", again, "", n / again
    printf "%-36s %8.2f s %4d made %9.1f photos/s\n", "vipsthumbnail (one process)", vips1, made1, n / vips1
    printf "%-36s %8.2f s %4d made %9.1f photos/s\n", "vipsthumbnail (xargs -P " cores ")", vipsn, madeN, n / vipsn
    printf "ratio ours / vipsthumbnail: %.2f (one process), %.2f (xargs -P %d)\n", vips1 / ours, vipsn / ours, cores
}'
