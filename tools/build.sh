#!/usr/bin/env bash
# Configures and builds into build/ with two jobs.
set -euo pipefail
cd "$(dirname "$0")/.."
# CI holds the code to its warnings.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAGORANTO_WERROR=${CI:+ON}
cmake --build build -j2
