#!/usr/bin/env bash
# Takes screenshots of the main window, the option windows, the picture-list window and the end
# status window under Xvfb while the sample gallery is made, and of the picture windows
# (one PNG each, named after the window's class). Usage: tools/screenshots.sh [OUTPUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
output=${1:-build/screenshots}
tools/install-deps.sh
tools/build.sh
export QTWEBENGINE_DISABLE_SANDBOX=1
xvfb-run -a -s "-screen 0 1400x1000x24" build/tools/pagoranto-screenshots build/bin "$output"
