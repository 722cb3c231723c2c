#!/usr/bin/env bash
# Runs tests that skip themselves as root once more as a normal user, so that they are not
# skipped where CI runs as root: a copy of the test program in a folder that user can read, and
# a scratch TMPDIR that user can write. Every named test must pass, none may be skipped.
# Usage: as_normal_user.sh TEST_PROGRAM TEST_NAME...
set -euo pipefail
program=$1
shift
filter=$(IFS=:; echo "$*")

scratch=$(mktemp -d -p /tmp)
trap 'chmod -R u+rwx "$scratch" 2>/dev/null; rm -rf "$scratch"' EXIT
chmod 755 "$scratch"
mkdir "$scratch/bin" "$scratch/tmp"
cp "$program" "$scratch/bin/"
chmod 755 "$scratch/bin" "$scratch/bin/$(basename "$program")"
as_user=()
if [ "$(id -u)" = 0 ]; then
    chown nobody:nogroup "$scratch/tmp"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
chmod 700 "$scratch/tmp"

status=0
output=$(cd "$scratch/tmp" && env TMPDIR="$scratch/tmp" HOME="$scratch/tmp" "${as_user[@]}" \
    "$scratch/bin/$(basename "$program")" --gtest_filter="$filter" 2>&1) || status=$?
echo "$output"
[ "$status" = 0 ] || exit "$status"
passed=$(grep -c '^\[       OK \]' <<<"$output" || true)
if grep -q '^\[  SKIPPED \]' <<<"$output" || [ "$passed" != "$#" ]; then
    echo "expected $# tests to pass and none to be skipped; $passed passed"
    exit 1
fi
