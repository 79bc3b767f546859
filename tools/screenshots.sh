#!/usr/bin/env bash
# Takes the README's screenshots (docs/images/*.png) of the current build under
# a virtual X server: tools/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build}
cmake --build "$BUILD" --target screenshots
mkdir -p docs/images
xvfb-run -a -s "-screen 0 1024x700x24" "$BUILD/screenshots" docs/images
