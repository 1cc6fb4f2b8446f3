#!/usr/bin/env bash
# Configures and builds everything into build/ (the editor, the tests and the
# benchmarks).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build
