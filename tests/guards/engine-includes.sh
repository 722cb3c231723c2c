#!/usr/bin/env bash
# Fails when the engine includes Qt or the windows, which it must build and run without, or when
# the options reach back into the page generator that reads them.
set -euo pipefail
cd "$1"
status=0
if grep -rnE '^\s*#\s*include\s*[<"](Q[A-Za-z]|qt|gui/)' src/core; then
    echo "src/core includes Qt or src/gui (above)"
    status=1
fi
if grep -rnE '^\s*#\s*include\s*"core/generator/' src/core/options src/core/text src/core/platform; then
    echo "options, text or platform include the generator (above)"
    status=1
fi
[ "$status" -eq 0 ] && echo "src/core is free of Qt and of the windows; options stand below the generator"
exit "$status"
