#!/usr/bin/env bash
# bench/batch_bench.sh CORPUS_DIR [BUILD_DIR]
# Times a whole pagoranto-batch run (thumbnails by our thumbnailer, then the index pages) on
# every *.jpg of the corpus, and, in the same run, vipsthumbnail making the same thumbnails as
# the reference. Build the corpus with ../shared/bench/make_corpus.sh OUT_DIR 500.
set -euo pipefail
corpus=${1:?usage: $0 CORPUS_DIR [BUILD_DIR]}
build=${2:-$(dirname "$0")/../build}
command -v vipsthumbnail >/dev/null || { echo "vipsthumbnail missing: apt-get install libvips-tools" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/pics" "$work/home/thumbnailer" "$work/vips"
for file in "$corpus"/*.jpg; do ln -s "$(readlink -f "$file")" "$work/pics/"; done
count=$(ls "$work/pics" | wc -l)

now() { date +%s.%N; }
start=$(now)
"$build"/bin/pagoranto-batch --home "$work/home" --pictures "$work/pics" \
    --template "$build"/bin/layouts/index.html --thumbnails --overwrite >/dev/null 2>"$work/log"
ours=$(echo "$(now) - $start" | bc)
pages=$(ls "$work/pics"/page*.html | wc -l)

start=$(now)
ls "$work/pics"/*.jpg | xargs -P "$(nproc)" -n 20 vipsthumbnail --size 40x30 -o "$work/vips/%s.jpg[Q=70]"
vips=$(echo "$(now) - $start" | bc)

printf '%d pictures, %d pages: pagoranto-batch %.1f s (%.1f pictures/s)\n' "$count" "$pages" "$ours" "$(echo "$count / $ours" | bc -l)"
printf 'vipsthumbnail, same thumbnails only: %.1f s (%.1f pictures/s); ratio %.2f\n' "$vips" "$(echo "$count / $vips" | bc -l)" "$(echo "$ours / $vips" | bc -l)"
