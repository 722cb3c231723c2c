#!/usr/bin/env bash
# Fuzzes one target for real: tools/fuzz.sh TARGET SECONDS [libFuzzer options...]
# Builds build-fuzz/ with clang when needed. New inputs go to build-fuzz/fuzz-work/TARGET (the
# checked-in seeds in fuzz/corpus/TARGET are only read); a crash, hang or run-away allocation
# is written to build-fuzz/fuzz-artifacts/TARGET/. Copy a finding worth keeping into the seeds.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 2 ]; then
    echo "usage: tools/fuzz.sh TARGET SECONDS [libFuzzer options...]" >&2
    echo "targets: $(ls fuzz/corpus | tr '\n' ' ')" >&2
    exit 2
fi
target=$1
seconds=$2
shift 2
if [ ! -d "fuzz/corpus/$target" ]; then
    echo "no such fuzz target: $target" >&2
    exit 2
fi
[ -f build-fuzz/CMakeCache.txt ] || tools/build-fuzz.sh
cmake --build build-fuzz -j2 --target "${target}_fuzz"
seeds=("fuzz/corpus/$target")
case "$target" in layoutanalysis | pagemaker) seeds+=(data/layouts) ;; esac
work=build-fuzz/fuzz-work/$target
artifacts=build-fuzz/fuzz-artifacts/$target
mkdir -p "$work" "$artifacts"
exec "build-fuzz/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
     -artifact_prefix="$artifacts/" -print_final_stats=1 "$@" "$work" "${seeds[@]}"
