#!/usr/bin/env bash
# Starts the desktop program COUNT times in a row on the sample photos, each in a fresh program
# and picture folder, and fails on the first start that crashes, hangs or ends wrongly.
# Usage: soak.sh PROBE PROGRAM_DIR COUNT startup|gallery [LAYOUT_NAME]
set -uo pipefail
probe=$1 bin=$2 count=$3 scenario=$4 layout=${5:-}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

for ((start = 1; start <= count; ++start)); do
    program=$scratch/$start/program/ pictures=$scratch/$start/pictures/
    mkdir -p "$program/thumbnailer" "$pictures"
    cp -r "$bin"/layouts "$bin"/info.html "$bin"/descriptionempty.txt "$program"
    cp "$bin"/samples/*.jpg "$bin"/samples/description.desc "$pictures"
    arguments=("$scenario" "$program" "$bin" "$pictures")
    [ -n "$layout" ] && arguments+=("$program/layouts/$layout")
    "$probe" "${arguments[@]}" >"$scratch/$start.log" 2>&1
    status=$?
    if [ "$status" -ne 0 ]; then
        case $status in
            2) why="hung" ;;
            1) why="ended wrongly" ;;
            *) why="died with status $status" ;;
        esac
        echo "start $start of $count: $why"
        tail -n 20 "$scratch/$start.log"
        exit 1
    fi
    rm -rf "${scratch:?}/$start"
done
echo "$count starts, every one reached its end"
