#!/usr/bin/env bash
# Fails when a C++ file of the project differs from what the checked-in .clang-format makes of it.
set -euo pipefail
cd "$1"
mapfile -t files < <(git ls-files -co --exclude-standard -- '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
echo "${#files[@]} files formatted"
