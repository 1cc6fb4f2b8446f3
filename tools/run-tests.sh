#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Needs no display: the
# window tests use Qt's offscreen platform.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/install-deps.sh
bash tools/build.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"
