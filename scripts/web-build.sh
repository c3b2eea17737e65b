#!/usr/bin/env bash
# Builds the page with Emscripten into $BUILD/web: static files only, for any
# static server. Debian's emscripten runs its JavaScript tools on Node.js with
# the parsers Debian packs in /usr/share/nodejs.
set -euo pipefail
build=${BUILD:-build}
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
emcmake cmake -S . -B "$build/web-build" -DCMAKE_BUILD_TYPE=Release \
    -DDUOMIRA_WEB_DIR="$(realpath -m "$build/web")" >/dev/null
cmake --build "$build/web-build" -j "${JOBS:-2}"
