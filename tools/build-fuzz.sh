#!/usr/bin/env bash
# Configures and builds the engine and its fuzz targets with clang into build-fuzz/; no Qt.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-fuzz -DPAGORANTO_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++ \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPAGORANTO_WERROR=${CI:+ON}
cmake --build build-fuzz -j2
