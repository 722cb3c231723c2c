#!/usr/bin/env bash
# thumbnailer_dc_bench.sh CORPUS_DIR [THUMBNAILER] [REPEATS]
#
# Times PagorantoThumbNailer making 160x120 thumbnails (quality 70) of every JPEG directly in
# CORPUS_DIR, and of its progressive photos alone, once with progressive photos taken from their
# DC coefficients (as it runs by default) and once decoded from all their scans (its "all-scans"
# parameter, as it ran before), and prints both times, wall clock and processor (user and system
# of all threads), and their ratios. Every timing is repeated REPEATS times (default 3), the two
# ways taking turns, and the lowest is kept, since other programs on the machine only ever add
# time; the processor time suffers less from them. Every run remakes all thumbnails. The
# machine's load is printed before and after. Nothing in CORPUS_DIR is written.
set -euo pipefail

usage() { echo "usage: $0 CORPUS_DIR [THUMBNAILER] [REPEATS]" >&2; exit 2; }
[ $# -ge 1 ] && [ $# -le 3 ] || usage
corpus=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
program=${2:-$here/../build/bin/thumbnailer/PagorantoThumbNailer}
repeats=${3:-3}
[ -x "$program" ] || { echo "no thumbnailer at $program (give its path as second argument)" >&2; exit 1; }
program=$(cd "$(dirname "$program")" && pwd)/$(basename "$program")
command -v file >/dev/null || { echo "file(1) is missing; install it with: sudo apt-get install file" >&2; exit 1; }

mapfile -d '' files < <(find "$corpus" -maxdepth 1 -type f \( -iname '*.jpg' -o -iname '*.jpeg' \) -print0 | sort -z)
[ "${#files[@]}" -gt 0 ] || { echo "no JPEG files in $corpus" >&2; exit 1; }
progressive=()
for f in "${files[@]}"; do
    case $(file -b "$f") in *progressive*) progressive+=("$f") ;; esac
done
[ "${#progressive[@]}" -gt 0 ] || { echo "no progressive JPEG files in $corpus" >&2; exit 1; }

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
# A program folder for each list, each with its own thumbnail folder.
prepare() { # NAME FILE...
    local name=$1; shift
    local work=$scratch/$name/thumbnailer
    mkdir -p "$work" "$scratch/$name/out"
    printf '%s\r\n' "[PAGORANTOTHUMBNAILER]" "SDIR=$scratch/$name/out/" "PDIR=" "DDIR=thumbnails/" \
        "WIDT=160" "HEIG=120" "COMP=070" "COLO=8388608" "GREY=0" "TIME=100" "ACTI=1" "DIBB=0" \
        "DIBH=0" "ECOL=16777088" "GRAD=0" "DDDR=0" "BORD=0" > "$work/mtoptions.cfg"
    printf '%s\r\n' "$@" > "$work/filelist.dat"
}
prepare whole "${files[@]}"
prepare progressive "${progressive[@]}"
cat "${files[@]}" > /dev/null

run() { # NAME [PARAMETER...]: "wall processor" seconds of one run
    local name=$1; shift
    local TIMEFORMAT='%R %U %S'
    local took
    took=$( { time (cd "$scratch/$name/thumbnailer" && "$program" '?' 2 3 4 5 1 remake-all "$@" \
        2>> "$scratch/errors.txt" || echo "failed: $name $*" >> "$scratch/errors.txt") ; } 2>&1)
    awk -v t="$took" 'BEGIN { split(t, f, " "); print f[1], f[2] + f[3] }'
}
lower() { # the lower wall and the lower processor time of two "wall processor" pairs
    awk -v a="$1" -v b="$2" 'BEGIN {
        if (a == "") { print b; exit }
        split(a, x, " "); split(b, y, " ")
        print (y[1] < x[1] ? y[1] : x[1]), (y[2] < x[2] ? y[2] : x[2]) }'
}

load_before=$(uptime)
wholeDc= wholeAll= progressiveDc= progressiveAll=
for ((i = 0; i < repeats; ++i)); do
    wholeDc=$(lower "$wholeDc" "$(run whole)")
    wholeAll=$(lower "$wholeAll" "$(run whole all-scans)")
    progressiveDc=$(lower "$progressiveDc" "$(run progressive)")
    progressiveAll=$(lower "$progressiveAll" "$(run progressive all-scans)")
done
load_after=$(uptime)
made=$(find "$scratch/whole/out/thumbnails" -type f | wc -l)

awk -v n="${#files[@]}" -v p="${#progressive[@]}" -v made="$made" -v cores="$(nproc)" \
    -v repeats="$repeats" -v wholeDc="$wholeDc" -v wholeAll="$wholeAll" \
    -v progressiveDc="$progressiveDc" -v progressiveAll="$progressiveAll" 'BEGIN {
    printf "%d photos (%d progressive), %d thumbnails made, %d cores, 160x120, lowest of %d runs\n", n, p, made, cores, repeats
    split(wholeDc, wd, " "); split(wholeAll, wa, " ")
    split(progressiveDc, pd, " "); split(progressiveAll, pa, " ")
    printf "%-34s %10s %14s\n", "", "wall", "processor"
    printf "%-34s %8.2f s %12.2f s\n", "whole corpus, DC decode", wd[1], wd[2]
    printf "%-34s %8.2f s %12.2f s\n", "whole corpus, all scans", wa[1], wa[2]
    printf "%-34s %8.2f s %12.2f s\n", "progressive photos, DC decode", pd[1], pd[2]
    printf "%-34s %8.2f s %12.2f s\n", "progressive photos, all scans", pa[1], pa[2]
    printf "ratio whole corpus DC / all scans (goal <= 0.8):  %.2f wall, %.2f processor\n", wd[1] / wa[1], wd[2] / wa[2]
    printf "ratio progressive DC / all scans (goal <= 0.33): %.2f wall, %.2f processor\n", pd[1] / pa[1], pd[2] / pa[2]
}'
echo "load before: $load_before"
echo "load after:  $load_after"
if [ -s "$scratch/errors.txt" ]; then
    echo "messages of the runs (first lines):"; head -5 "$scratch/errors.txt"
fi
