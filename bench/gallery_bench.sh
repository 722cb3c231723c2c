#!/usr/bin/env bash
# bench/gallery_bench.sh CORPUS_DIR [BUILD_DIR]
#
# Times whole pagoranto-batch runs on the photos of CORPUS_DIR, each beside its reference in the
# same run, and prints one table with the time per photo or page and the peak memory of each:
#
#   whole gallery     strip layout, every thumbnail made anew, then the pages; against the
#                     thumbnailer alone on the same list and options, against
#                     djpeg -scale 1/8 in two processes (the decode floor) and llgal if installed
#   pages only        picture and strip layouts, no thumbnails; against cp -r of the pages made
#   re-run            the strip gallery once more, unchanged: it should write nothing; against
#                     head -c 4096 of every page, photo and thumbnail it reads
# Runs of milliseconds (re-run, pages only) are the median of eleven, each in a folder of its own.
#   2,000 / 20,000    picture pages over hard links of the corpus under new names
#
# Peak memory is the largest resident set of a run and its children (/usr/bin/time -v).
# Nothing in CORPUS_DIR is written. tools/install-deps.sh --bench installs what this needs.
set -euo pipefail

usage() { echo "usage: $0 CORPUS_DIR [BUILD_DIR]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 2 ] || usage
corpus=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${2:-$here/../build}" && pwd)
batch=$build/bin/pagoranto-batch
thumbnailer=$build/bin/thumbnailer/PagorantoThumbNailer
layouts=$build/bin/layouts
for need in "$batch" "$thumbnailer"; do
    [ -x "$need" ] || { echo "missing $need: build the project first" >&2; exit 1; }
done
for tool in /usr/bin/time djpeg bc; do
    command -v "$tool" >/dev/null ||
        { echo "$tool is missing: run tools/install-deps.sh --bench" >&2; exit 1; }
done

mapfile -d '' files < <(find "$corpus" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -print0 | sort -z)
count=${#files[@]}
[ "$count" -gt 0 ] || { echo "no JPEG files in $corpus" >&2; exit 1; }

# BENCH_SCRATCH chooses the file system the galleries are written to (a tmpfs such as /dev/shm
# leaves the disk out). On ext4 without a journal, every file created within minutes of many
# removals in the same place is slow to create, so runs there right after another bench or a
# test run measure the file system more than the program.
scratch=$(mktemp -d "${BENCH_SCRATCH:-${TMPDIR:-/tmp}}/gallery_bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT
home=$scratch/home
mkdir -p "$home/thumbnailer"

# Hard links cost no space; a scratch folder on another file system gets symbolic links.
link_into() { # DIR NAME_PREFIX COPIES
    mkdir -p "$1"
    printf '%s\0' "${files[@]}" | perl -0 -e '
        my ($dir, $prefix, $copies) = @ARGV;
        chomp(my @files = <STDIN>);
        my $i = 0;
        for (1 .. $copies) {
            for my $file (@files) {
                my $name = sprintf("%s/%s%06d.jpg", $dir, $prefix, $i++);
                link($file, $name) or symlink($file, $name) or die "$name: $!\n";
            }
        }' "$1" "$2" "$3"
}

# measure LABEL UNITS UNIT_NAME COMMAND...: runs COMMAND under /usr/bin/time -v and records
# seconds, milliseconds per unit and peak MiB in the table.
rows=()
last_seconds=0
run_timed() { # COMMAND...: sets run_seconds and run_kib; a program runs without a shell between
    local start end status=0 shell=(bash -c '"$@"' _)
    [ -x "$1" ] && shell=()
    start=$(date +%s.%N)
    /usr/bin/time -v -o "$scratch/time" "${shell[@]}" "$@" >/dev/null 2>"$scratch/err" || status=$?
    end=$(date +%s.%N)
    [ "$status" -eq 0 ] || { echo "$*: exit status $status" >&2; tail -3 "$scratch/err" >&2; }
    run_kib=$(awk -F': ' '/Maximum resident set size/ { print $2 }' "$scratch/time")
    run_seconds=$(echo "$end - $start" | bc -l)
}
add_row() { # LABEL UNITS UNIT_NAME SECONDS KIB
    last_seconds=$4
    rows+=("$(awk -v l="$1" -v s="$4" -v n="$2" -v u="$3" -v k="$5" 'BEGIN {
        printf "%-46s %8.3f s %9.3f ms/%-5s %7.1f MiB", l, s, 1000 * s / n, u, k / 1024 }')")
}
measure() {
    local label=$1 units=$2 unit=$3
    shift 3
    run_timed "$@"
    add_row "$label" "$units" "$unit" "$run_seconds" "$run_kib"
}
# measure_median LABEL UNITS UNIT_NAME PREPARE PROGRAM ARGS...: a run of some milliseconds says
# more as the median of eleven, each after PREPARE (not timed), timed by the shell itself around
# the bare program, as a process started to read the clock would add its own start-up; the peak
# comes from one run more under /usr/bin/time.
# The virtual machines this runs on change their pace from one second to the next; the median of
# many short runs is steadier than that of a few.
median_runs=11
measure_median() {
    local label=$1 units=$2 unit=$3 prepare=$4
    shift 4
    local times=() i start
    for ((i = 1; i <= median_runs; ++i)); do
        "$prepare" "$i"
        start=$EPOCHREALTIME
        "$@" >/dev/null 2>"$scratch/err" || { echo "$label: run $i failed" >&2; tail -3 "$scratch/err" >&2; }
        times+=("$(echo "$EPOCHREALTIME - $start" | bc -l)")
    done
    "$prepare" $((median_runs + 1))
    run_timed "$@"
    local median
    median=$(printf '%s\n' "${times[@]}" | sort -g | sed -n "$(((median_runs + 1) / 2))p")
    add_row "$label (median of $median_runs)" "$units" "$unit" "$median" "$run_kib"
}

batch_run() { # PICTURES TEMPLATE ARGS...
    local pictures=$1 template=$2
    shift 2
    "$batch" --home "$home" --pictures "$pictures" --template "$layouts/$template" --overwrite "$@"
}

gallery=$scratch/gallery
alone=$scratch/alone
thumbnailer_alone() { cd "$alone/thumbnailer" && "$thumbnailer" '?' 2 3 4 5 1 remake-all; }
djpeg_two() { find "$corpus" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -print0 | xargs -0 -n 1 -P 2 sh -c 'djpeg -scale 1/8 "$1" >/dev/null' _; }

# The measured commands run in a child bash under /usr/bin/time.
export corpus scratch home batch thumbnailer layouts alone gallery
export -f batch_run thumbnailer_alone djpeg_two

# Files are read once beforehand, so no run pays for a cold disk.
cat "${files[@]}" >/dev/null

link_into "$gallery" IMG_ 1

measure "whole gallery, strip layout, thumbnails" "$count" photo \
    batch_run "$gallery" strip.html --thumbnails
gallery_seconds=$last_seconds
stamp=$scratch/stamp
touch "$stamp"
sleep 1

# The thumbnailer alone, with the options and list the batch run handed it, into a fresh folder.
mkdir -p "$alone/thumbnailer" "$alone/out"
sed "s|^SDIR=.*|SDIR=$alone/out/\r|" "$home/thumbnailer/mtoptions.cfg" >"$alone/thumbnailer/mtoptions.cfg"
cp "$home/thumbnailer/filelist.dat" "$alone/thumbnailer/filelist.dat"
measure "  thumbnailer alone, same photos and options" "$count" photo thumbnailer_alone
thumbnailer_seconds=$last_seconds

measure "  djpeg -scale 1/8, 2 processes" "$count" photo djpeg_two

if command -v llgal >/dev/null; then
    llgal_run() { mkdir -p "$scratch/llgal" && cp -l "$gallery"/*.jpg "$scratch/llgal/" && cd "$scratch/llgal" && llgal; }
    export -f llgal_run
    measure "  llgal" "$count" photo llgal_run
fi

nothing_to_prepare() { :; }
measure_median "re-run, unchanged strip gallery" "$count" page nothing_to_prepare \
    "$batch" --home "$home" --pictures "$gallery" --template "$layouts/strip.html" --overwrite
rerun_seconds=$last_seconds
rewritten=$(find "$gallery" -maxdepth 1 -newer "$stamp" ! -path "$gallery" | wc -l)
rerun_note="files of the gallery written by the $median_runs re-runs: $rewritten"
# The least a re-run must read, at this machine's pace: the start of each page, photo and
# thumbnail, by one process.
# (On another file system than the corpus the photos are symbolic links.)
mapfile -d '' read_by_rerun < <(find "$gallery" "$gallery/thumbnails" -maxdepth 1 \
    \( -type f -o -type l \) \( -name '*.htm*' -o -iname '*.jpg' -o -iname '*.jpeg' \) -print0)
measure_median "  head -c 4096 of its ${#read_by_rerun[@]} files" "$count" page nothing_to_prepare \
    head -q -c 4096 "${read_by_rerun[@]}"
head_seconds=$last_seconds

# Each pages-only run gets a folder of its own, so none finds the pages of the one before; the
# one before is moved aside, not removed, as a removal would slow the file system's next creates.
pages=$scratch/pages
fresh_pages() { [ ! -e "$pages" ] || mv "$pages" "$pages.$RANDOM$1"; link_into "$pages" P 1; }
for layout in picture strip; do
    measure_median "pages only, $layout layout" "$count" page fresh_pages \
        "$batch" --home "$home" --pictures "$pages" --template "$layouts/$layout.html" \
        --overwrite --no-thumbnails
done
# The disk's own pace: the same pages copied by cp into a new folder, in one process.
made=$scratch/made
mkdir -p "$made"
cp "$pages"/*.htm* "$made"/
copies=$scratch/copies
fresh_copies() { [ ! -e "$copies" ] || mv "$copies" "$copies.$RANDOM$1"; }
measure_median "  cp -r of those pages" "$count" page fresh_copies cp -r "$made" "$copies"

copies2k=$(((2000 + count - 1) / count))
copies20k=$(((20000 + count - 1) / count))
many=$scratch/many2k
link_into "$many" N "$copies2k"
n2k=$((copies2k * count))
measure "$n2k picture pages" "$n2k" page batch_run "$many" picture.html --no-thumbnails
per2k=$(echo "$last_seconds / $n2k" | bc -l)
# Kept until the end: a removal would slow the file system's next creates.
many=$scratch/many20k
link_into "$many" N "$copies20k"
n20k=$((copies20k * count))
measure "$n20k picture pages" "$n20k" page batch_run "$many" picture.html --no-thumbnails
per20k=$(echo "$last_seconds / $n20k" | bc -l)

echo "$count photos in $corpus; $(nproc) cores; load:$(uptime | sed 's/.*load average//')"
printf '%s\n' "${rows[@]}"
echo "$rerun_note"
printf 're-run / head of its files: %.2f\n' "$(echo "$rerun_seconds / $head_seconds" | bc -l)"
printf 'whole gallery / thumbnailer alone: %.2f\n' "$(echo "$gallery_seconds / $thumbnailer_seconds" | bc -l)"
printf 'per page, %d pages / %d pages: %.2f\n' "$n20k" "$n2k" "$(echo "$per20k / $per2k" | bc -l)"
