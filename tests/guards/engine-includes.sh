#!/usr/bin/env bash
# Fails when the engine includes Qt or the windows: it must build and run without either.
set -euo pipefail
cd "$1"
if grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt|gui/)' src/core; then
    echo "src/core includes Qt or src/gui (above)"
    exit 1
fi
echo "src/core is free of Qt and of the windows"
