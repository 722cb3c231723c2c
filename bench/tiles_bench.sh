#!/usr/bin/env bash
# tiles_bench.sh CORPUS_DIR [BUILD_DIR]
#
# The thumbnail list on big folders, in one run:
#   - a copy of CORPUS_DIR whose photos carry an EXIF preview, as cameras and phones write one:
#     each photo's 1/8 decode (stored orientation, as EXIF previews are) fitted into 160 x 160 by
#     ImageMagick and embedded with exiftool ('-ThumbnailImage<=...');
#   - the same 200 and 2,000 of them (ten hard links to each) filled into the list from their
#     previews: time to the first screen of tiles, to the whole list, and the longest pause;
#   - the plain corpus (no previews) opened twice with an empty desktop thumbnail cache: the first
#     open decodes and fills the cache, the second draws from it; the same for 2,000;
#   - djpeg -scale 1/8 of the same files over every core, the decoder's floor for a decode.
# The cache is a scratch $XDG_CACHE_HOME, so the user's own is never touched. BUILD_DIR defaults
# to build/ beside this folder and must hold bench/bench_thumbnaillist. Needs djpeg, exiftool
# (libimage-exiftool-perl) and ImageMagick's convert. Set TILES_BENCH_WORK to keep the prepared
# folders between runs (they take a minute or two to make).
set -euo pipefail

usage() { echo "usage: $0 CORPUS_DIR [BUILD_DIR]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] || usage
corpus=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
build=${2:-$here/../build}
driver=$build/bench/bench_thumbnaillist
[ -x "$driver" ] || { echo "no driver at $driver (cmake --build $build --target bench_thumbnaillist)" >&2; exit 1; }
for tool in djpeg exiftool convert; do
    command -v "$tool" >/dev/null || { echo "$tool is missing" >&2; exit 1; }
done

work=${TILES_BENCH_WORK:-$(mktemp -d)}
[ -n "${TILES_BENCH_WORK:-}" ] || trap 'rm -rf "$work"' EXIT
mkdir -p "$work"
cores=$(nproc 2>/dev/null || echo 1)

# Hard links: 2,000 names, the photos of 200 on disk.
link_ten_times() { # FROM TO
    mkdir -p "$2"
    local file name
    for file in "$1"/*.jpg; do
        name=$(basename "$file" .jpg)
        for copy in 0 1 2 3 4 5 6 7 8 9; do ln -f "$file" "$2/${name}_$copy.jpg"; done
    done
}

plain=$work/plain200
previews=$work/previews200
if [ ! -d "$previews" ]; then
    mkdir -p "$plain" "$previews" "$work/thumbs"
    find "$corpus" -maxdepth 1 -type f -iname '*.jpg' -exec cp -t "$plain" {} +
    cp "$plain"/*.jpg "$previews"/
    for file in "$plain"/*.jpg; do
        djpeg -scale 1/8 "$file" | convert - -resize 160x160 -quality 85 \
            "$work/thumbs/$(basename "$file")"
    done
    exiftool -q -overwrite_original '-ThumbnailImage<='"$work"'/thumbs/%f.jpg' "$previews" >/dev/null
    link_ten_times "$plain" "$work/plain2000"
    link_ten_times "$previews" "$work/previews2000"
fi

run_list() { # LABEL FOLDER CACHE_HOME
    cat "$2"/*.jpg > /dev/null
    local report
    report=$(XDG_CACHE_HOME=$3 QT_QPA_PLATFORM=offscreen "$driver" "$2")
    printf '%-44s %s\n' "$1" "$report"
}

djpeg_all() { # FOLDER
    local start end
    start=$(date +%s.%N)
    find "$1" -maxdepth 1 -name '*.jpg' -print0 |
        xargs -0 -n 8 -P "$cores" sh -c 'for f; do djpeg -scale 1/8 -outfile /dev/null "$f"; done' sh
    end=$(date +%s.%N)
    awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f s", b - a }'
}

echo "machine: $cores cores; load before: $(uptime)"
rm -rf "$work/cache"*
run_list "200 with EXIF previews" "$previews" "$work/cache-previews"
run_list "2000 with EXIF previews (hard links)" "$work/previews2000" "$work/cache-previews"
run_list "200 plain, first open (fills the cache)" "$plain" "$work/cache-plain"
run_list "200 plain, second open (from the cache)" "$plain" "$work/cache-plain"
run_list "2000 plain, first open (fills the cache)" "$work/plain2000" "$work/cache-plain2000"
run_list "2000 plain, second open (from the cache)" "$work/plain2000" "$work/cache-plain2000"
printf '%-44s %s\n' "djpeg -scale 1/8, 200, xargs -P $cores" "$(djpeg_all "$plain")"
printf '%-44s %s\n' "djpeg -scale 1/8, 2000, xargs -P $cores" "$(djpeg_all "$work/plain2000")"
echo "load after: $(uptime)"
