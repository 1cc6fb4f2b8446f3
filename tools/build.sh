#!/usr/bin/env bash
# Configures and builds everything into build/ (the editor, the tests and the
# benchmarks). Warnings stop the build only in CI (CI=true, as CI services set
# it) or when KORVEL_WERROR=ON is given.
set -euo pipefail
cd "$(dirname "$0")/.."
werror=${KORVEL_WERROR:-$([ "${CI:-}" = true ] && echo ON || echo OFF)}
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVEL_WERROR="$werror" >/dev/null
cmake --build build
